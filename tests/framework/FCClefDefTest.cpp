#include "framework/score/FCClefDef.h"

#include <memory>
#include <string>

#include "host/document/RecordStore.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;

constexpr std::uint32_t kGbcf = quavix::MakeTag('g', 'b', 'c', 'f');

std::string ClefRecord(std::int16_t offset) {
  EDTClefDef record{};
  record.displacementOffset = offset;
  for (int i = 0; i < 16; ++i) record.reserved2[i] = static_cast<std::uint8_t>(0x10 + i);
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class FCClefDefTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  host::RecordStore& store() { return document().Records(); }
};

TEST_F(FCClefDefTest, LoadsTheDefinitionOfAClefIndex) {
  store().Put(kGbcf, NumberedKey(0), ClefRecord(0));
  store().Put(kGbcf, NumberedKey(3), ClefRecord(-6));
  FCClefDef clef(quavix::kInterfaceVersion);
  EXPECT_STREQ(clef.ClassName(), "FCClefDef");
  EXPECT_EQ(clef.Tag(), kGbcf);
  EXPECT_EQ(clef.DataSize(), 18);
  ASSERT_TRUE(clef.Load(3));
  EXPECT_EQ(clef.GetDisplacementOffset(), -6);
  EXPECT_EQ(clef.GetLoadedSize(), 18);
  EXPECT_EQ(session().RecordCalls().back().size, 18);
  ASSERT_TRUE(clef.LoadFirst());
  EXPECT_EQ(clef.GetDisplacementOffset(), 0);
  ASSERT_TRUE(clef.LoadNext());
  EXPECT_EQ(clef.GetDisplacementOffset(), -6);
}

TEST_F(FCClefDefTest, ARecordThatDoesNotLoadLeavesTheZeroes) {
  FCClefDef clef(quavix::kInterfaceVersion);
  EXPECT_EQ(clef.GetDisplacementOffset(), 0) << "zeroed when created";
  EXPECT_FALSE(clef.Load(2));
  EXPECT_EQ(clef.GetDisplacementOffset(), 0);
  EXPECT_EQ(clef.GetLoadedSize(), 0);
  EXPECT_FALSE(clef.Save());

  // A later failed load keeps the bytes an earlier one delivered.
  store().Put(kGbcf, NumberedKey(1), ClefRecord(7));
  ASSERT_TRUE(clef.Load(1));
  EXPECT_FALSE(clef.Load(2));
  EXPECT_EQ(clef.GetDisplacementOffset(), 7);
}

TEST_F(FCClefDefTest, CloneCopiesTheEighteenRecordBytes) {
  store().Put(kGbcf, NumberedKey(5), ClefRecord(-12));
  FCClefDef clef(quavix::kInterfaceVersion);
  ASSERT_TRUE(clef.Load(5));
  std::unique_ptr<__FCBaseData> clone(clef.CreateClone());
  ASSERT_NE(clone, nullptr);
  EXPECT_STREQ(clone->ClassName(), "FCClefDef");
  EXPECT_EQ(clone->GetLoadedSize(), 18);
  EXPECT_EQ(std::string(static_cast<const char*>(clone->_GetDataPtr()), 18), ClefRecord(-12));
  EXPECT_EQ(static_cast<FCClefDef*>(clone.get())->GetDisplacementOffset(), -12);

  // Nothing is copied from a record of another kind.
  class Other : public __FCGlobals {
   public:
    Other() : __FCGlobals(quavix::kInterfaceVersion) {}
    std::uint32_t Tag() override { return kGbcf; }
    std::int32_t DataSize() override { return 2; }
    void* Allocate() override { return bytes; }
    __FCBaseData* CreateObject(QxULong) override { return nullptr; }
    char bytes[2] = {9, 9};
  } other;
  ASSERT_TRUE(other.Load(5));
  FCClefDef fresh(quavix::kInterfaceVersion);
  fresh.CloneFrom(&other);
  EXPECT_EQ(fresh.GetLoadedSize(), 0);
  EXPECT_EQ(fresh.GetDisplacementOffset(), 0);
}

}  // namespace
