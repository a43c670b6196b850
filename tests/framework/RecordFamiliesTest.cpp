#include "framework/records/RecordFamilies.h"

#include <cstring>
#include <string>

#include "host/document/RecordStore.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;
using host::RecordKey;

constexpr std::uint32_t kTag = quavix::MakeTag('t', 'e', 's', 't');

// A 4-byte record embedded in the object, for each family.
template <typename Family>
class Record : public Family {
 public:
  Record() : Family(quavix::kInterfaceVersion) {}
  std::uint32_t Tag() override { return kTag; }
  std::int32_t DataSize() override { return 4; }
  void* Allocate() override { return bytes; }
  __FCBaseData* CreateObject(QxULong) override { return new Record; }
  std::string Text() const { return std::string(bytes, 4); }
  RecordKey Key() {
    RecordKey key;
    std::memcpy(key.data(), this->_GetKey(), key.size());
    return key;
  }
  char bytes[4] = {};
};

class RecordFamiliesTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  host::RecordStore& store() { return document().Records(); }
  std::size_t HostCalls() { return session().RecordCalls().size(); }
};

TEST_F(RecordFamiliesTest, NumberedRecordsStartAtItemOneAndWalkInTheHostsOrder) {
  store().Put(kTag, NumberedKey(2), "two.");
  Record<__FCNoInciOther> record;
  EXPECT_FALSE(record.LoadFirst()) << "item 1 only, even though item 2 exists";
  store().Put(kTag, NumberedKey(1), "one.");
  store().Put(kTag, NumberedKey(1, 1), "inc.");  // an incident of item 1, after it in key order
  ASSERT_TRUE(record.LoadFirst());
  EXPECT_EQ(record.Text(), "one.");
  ASSERT_TRUE(record.LoadNext());
  EXPECT_EQ(record.Key(), NumberedKey(1, 1));
  ASSERT_TRUE(record.LoadNext());
  EXPECT_EQ(record.GetItemNo(), 2);
  EXPECT_EQ(record.Text(), "two.");
  EXPECT_FALSE(record.LoadNext());
  EXPECT_EQ(record.GetItemNo(), 2) << "a refused step leaves the key";
  // Load and SaveAs write item number and a zero incident.
  ASSERT_TRUE(record.Load(1));
  std::memcpy(record.bytes, "ONE!", 4);
  ASSERT_TRUE(record.SaveAs(1));
  EXPECT_EQ(*store().Find(kTag, NumberedKey(1)), "ONE!");
  EXPECT_FALSE(record.SaveAs(9)) << "save writes existing records only";
}

TEST_F(RecordFamiliesTest, SaveNewSendsItemFFFFAndTheHostAssignsTheNumber) {
  store().Put(kTag, NumberedKey(4), "four");
  Record<__FCNoInciOther> record;
  EXPECT_FALSE(record.SaveNew()) << "nothing loaded";
  EXPECT_EQ(HostCalls(), 0u) << "and no host call";
  ASSERT_TRUE(record.Load(4));
  ASSERT_TRUE(record.SaveNew());
  EXPECT_EQ(session().RecordCalls().back().function, "CreateEData");
  EXPECT_EQ(session().RecordCalls().back().key, NumberedKey(0xFFFF));
  EXPECT_EQ(record.GetItemNo(), 5);
  EXPECT_EQ(*store().Find(kTag, NumberedKey(5)), "four");
}

TEST_F(RecordFamiliesTest, IncidentAndGlobalRecordsWriteOnlyTheirOwnKeyFields) {
  store().Put(kTag, NumberedKey(3, 2), "3/2.");
  Record<__FCInciOther> incident;
  EXPECT_FALSE(incident.LoadFirst());
  EXPECT_EQ(HostCalls(), 0u) << "incident records have no first record";
  ASSERT_TRUE(incident.Load(3, 2));
  EXPECT_EQ(incident.Text(), "3/2.");
  EXPECT_EQ(std::string(incident.ClassName()), "__FCOther");

  Record<__FCGlobals> global;
  std::memset(global._GetKey(), 0x77, 8);
  store().Put(kTag, RecordKey{5, 0, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}, "glob");
  ASSERT_TRUE(global.Load(5));
  EXPECT_EQ(global.Key(), (RecordKey{5, 0, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}));
  store().Put(kTag, RecordKey{0, 0, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}, "zero");
  ASSERT_TRUE(global.LoadFirst());
  EXPECT_EQ(global.Text(), "zero");
  EXPECT_EQ(std::string(global.ClassName()), "__FCGlobals");
  EXPECT_EQ(std::string(Record<__FCNoInciOther>().ClassName()), "__FCNoInciOther");
}

}  // namespace
