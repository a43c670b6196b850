#include "framework/score/FCStaff.h"

#include <cstring>
#include <memory>
#include <string>

#include "framework/notes/FCNoteEntry.h"
#include "framework/score/FCPage.h"
#include "framework/text/FCString.h"
#include "host/document/RecordStore.h"
#include "interface/RecordTags.h"
#include "support/HostFixture.h"
#include "support/TestFrame.h"

namespace {

using host::NumberedKey;

template <typename Record>
std::string Bytes(const Record& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class FCStaffTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  host::RecordStore& store() { return document().Records(); }
  void PutStaff(std::uint16_t number, std::uint16_t transposition, std::uint16_t nameBlock) {
    EDTStaff record{};
    record.transposition = transposition;
    record.fullNameBlock = nameBlock;
    store().Put(quavix::tag::kStaff, NumberedKey(number), Bytes(record));
  }
};

TEST_F(FCStaffTest, TranspositionWordsDecodeInBothLayouts) {
  struct Case {
    std::uint16_t word;
    short interval, alteration;
  };
  const Case cases[] = {
      {0x0000, 0, 0},
      {0x2000 | 0x0300 | 0x00FE, -2, 3},
      {0x0FC1, -1, 1},                     // bit 13 clear: bits 6-11 all ones, bits 0-5 one
      {0x2000 | 0x0F00 | 0x00FF, -1, -1},  // an instrument in B flat
      {0x2000 | 0x0700 | 0x007F, 127, 7},
      {0x0800 | 0x0020, -32, -32},
      {0xD000 | 0x0045, 1, 5},  // bits 12, 14 and 15 are not read
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    PutStaff(1, c.word, 0);
    FCStaff staff(quavix::kInterfaceVersion);
    ASSERT_TRUE(staff.Load(1));
    EXPECT_EQ(staff.GetTransposeInterval(), c.interval);
    EXPECT_EQ(staff.GetTransposeAlteration(), c.alteration);
  }
  FCStaff fresh(quavix::kInterfaceVersion);
  EXPECT_EQ(fresh.GetTransposeInterval(), 0);
  EXPECT_EQ(fresh.GetTransposeAlteration(), 0);
}

TEST_F(FCStaffTest, TheFullNameComesThroughTheTextBlockAndItsRawText) {
  EDTTextBlock2004 block{};
  block.rawTextNumber = 4;
  store().Put(quavix::tag::kTextBlock, NumberedKey(2), Bytes(block));
  store().Put(quavix::tag::kRawText, NumberedKey(4), std::string("Horn in F") + '\0');
  struct Case {
    std::uint16_t block;
    const char* name;
  };
  for (const Case c : {Case{2, "Horn in F"}, Case{0, ""}, Case{9, ""}}) {
    PutStaff(3, 0, c.block);
    FCStaff staff(quavix::kInterfaceVersion);
    ASSERT_TRUE(staff.Load(3));
    std::unique_ptr<FCString> name(staff.CreateFullNameString());
    EXPECT_STREQ(name->GetCString(), c.name) << "block " << c.block;
  }
}

TEST_F(FCStaffTest, TheSettingsInForceAreReachedFromAnEntryOnly) {
  qxtest::TestFrame frame(2, 5);
  frame.Chord(1536, {{0}});
  FCNoteEntry entry(frame.get(), 0, nullptr);
  // Key: staff, measure, then the position as 32 bits.
  const host::RecordKey key{2, 0, 5, 0, 0x00, 0x06, 0, 0};
  EDTStaff record{};
  record.transposition = 0x2000 | 0x00FE;
  store().Put(quavix::tag::kCurrentStaffSpec, key, Bytes(record));

  FCCurrentStaffSpec current(quavix::kInterfaceVersion);
  EXPECT_FALSE(current.Load(static_cast<unsigned short>(7)));
  EXPECT_EQ(current.GetLoadedSize(), 0);
  EXPECT_TRUE(session().RecordCalls().empty()) << "no host call by number";
  ASSERT_TRUE(current.Load(&entry));
  EXPECT_EQ(session().RecordCalls().back().key, key);
  EXPECT_EQ(current.GetTransposeInterval(), -2);
  EXPECT_EQ(current.GetItemNo(), 0);
  EXPECT_FALSE(current.SaveAs(2));
  EXPECT_FALSE(current.SaveNew());
  // A clone is a plain staff with the same key and record.
  std::unique_ptr<__FCBaseData> clone(current.CreateClone());
  EXPECT_EQ(clone->Tag(), quavix::tag::kStaff);
  EXPECT_EQ(static_cast<FCStaff*>(clone.get())->GetTransposeInterval(), -2);
  EXPECT_EQ(std::memcmp(clone->_GetKey(), key.data(), 8), 0);
  EXPECT_STREQ(current.ClassName(), "FCCurrentStaffSpec");
  EXPECT_STREQ(clone->ClassName(), "FCStaff");
}

std::int32_t g_layoutPage = -1, g_layoutFlag = -1;
std::int32_t QXAPI UpdateLayout(std::int32_t page, std::int32_t flag, std::uint32_t) {
  g_layoutPage = page;
  g_layoutFlag = flag;
  return 7;
}

TEST_F(FCStaffTest, PagesAndSystemsAskTheHostForALayout) {
  Provide("FX_UpdateLayout", &UpdateLayout);
  EDTPage record{};
  record.firstSystem = 12;
  store().Put(quavix::tag::kPage, NumberedKey(3), Bytes(record));
  FCPage page(quavix::kInterfaceVersion);
  ASSERT_TRUE(page.Load(3));
  EXPECT_EQ(page.GetFirstSystem(), 12);
  EXPECT_TRUE(page.UpdateLayout(true)) << "the reload's result";
  EXPECT_EQ(g_layoutPage, 3);
  EXPECT_EQ(g_layoutFlag, 1);
  FCStaffSystems systems;
  EXPECT_EQ(systems.UpdateFullLayout(), 7);
  EXPECT_EQ(g_layoutPage, 1);
  EXPECT_EQ(g_layoutFlag, 0);
  FCStaffListIncis lists;
  EXPECT_EQ(lists.LoadAllSystems(), 0);
}

}  // namespace
