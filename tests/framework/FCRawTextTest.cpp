#include "framework/text/FCRawText.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/text/FCString.h"
#include "host/api/HostApi.h"
#include "host/document/RecordStore.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;
using namespace std::string_literals;

constexpr std::uint32_t kTxbl = quavix::MakeTag('t', 'x', 'b', 'l');
constexpr std::uint32_t kTxxp = quavix::MakeTag('t', 'x', 'x', 'p');

class FCRawTextTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  host::RecordStore& store() { return document().Records(); }
  const std::vector<host::Session::RecordCall>& calls() { return session().RecordCalls(); }
  std::string Stored(std::uint32_t tag, short number) {
    const std::string* body = store().Find(tag, NumberedKey(static_cast<std::uint16_t>(number)));
    return body != nullptr ? *body : "<none>";
  }
  static std::string Text(FCRawText& raw) {
    std::unique_ptr<FCString> string(raw.CreateString());
    return string->GetCString();
  }
};

TEST_F(FCRawTextTest, LoadsTheTextNumberedInKeyBytesZeroAndOneUnderTxbl) {
  store().Put(kTxbl, NumberedKey(300), "Violin\0"s);
  FCRawText raw(0x0E000000);
  EXPECT_STREQ(raw.ClassName(), "FCRawText");
  EXPECT_TRUE(raw.IsDynamicSize());
  EXPECT_EQ(raw.Tag(), kTxbl);
  ASSERT_TRUE(raw.Load(300));
  EXPECT_EQ(raw.GetLoadedSize(), 7);
  EXPECT_EQ(Text(raw), "Violin");

  // Two size queries (for the block, then for the load), then the load of
  // that many bytes in the object's version; the queries always ask in the
  // interface version.
  ASSERT_GE(calls().size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calls()[i].function, "LoadEData");
    EXPECT_EQ(calls()[i].tag, kTxbl);
    EXPECT_EQ(calls()[i].key, NumberedKey(300));
  }
  EXPECT_EQ(calls()[0].size, 0);
  EXPECT_EQ(calls()[1].size, 0);
  EXPECT_EQ(calls()[0].version, quavix::kInterfaceVersion);
  EXPECT_EQ(calls()[1].version, quavix::kInterfaceVersion);
  EXPECT_EQ(calls()[2].size, 7);
  EXPECT_EQ(calls()[2].version, 0x0E000000u);

  // Reloading under another number replaces the block with one of the new size.
  store().Put(kTxbl, NumberedKey(301), "Va.\0"s);
  ASSERT_TRUE(raw.Load(301));
  EXPECT_EQ(raw.GetLoadedSize(), 4);
  EXPECT_EQ(Text(raw), "Va.");
}

TEST_F(FCRawTextTest, ACustomTagSelectsAnotherKindOfText) {
  store().Put(kTxbl, NumberedKey(5), "block\0"s);
  store().Put(kTxxp, NumberedKey(5), "expression\0"s);
  FCRawText raw(quavix::kInterfaceVersion);
  raw.SetCustomTag(kTxxp);
  EXPECT_EQ(raw.Tag(), kTxxp);
  ASSERT_TRUE(raw.Load(5));
  EXPECT_EQ(Text(raw), "expression");
  raw.SetCustomTag(0);
  ASSERT_TRUE(raw.Load(5));
  EXPECT_EQ(Text(raw), "block");
}

TEST_F(FCRawTextTest, AMissingTextFailsToLoadReadsEmptyAndIsNeverSaved) {
  store().Put(kTxbl, NumberedKey(1), "one\0"s);
  FCRawText raw(quavix::kInterfaceVersion);
  EXPECT_FALSE(raw.LoadFirst());
  EXPECT_TRUE(calls().empty()) << "raw text has no first record";
  EXPECT_EQ(raw.CreateObject(quavix::kInterfaceVersion), nullptr);
  EXPECT_EQ(raw.CreateClone(), nullptr);

  EXPECT_EQ(Text(raw), "") << "never loaded";
  ASSERT_TRUE(raw.Load(1));
  EXPECT_FALSE(raw.Load(2));
  EXPECT_EQ(raw.GetLoadedSize(), 0);
  EXPECT_EQ(raw.DataSize(), 0);
  EXPECT_EQ(Text(raw), "");
  const std::size_t before = calls().size();
  EXPECT_FALSE(raw.Save());
  EXPECT_FALSE(raw.SaveAs(1));
  EXPECT_EQ(calls().size(), before) << "no host call without data";
  EXPECT_EQ(Stored(kTxbl, 1), "one\0"s);
}

TEST_F(FCRawTextTest, LoadNextStepsToTheNextTextOfTheTag) {
  store().Put(kTxbl, NumberedKey(2), "two\0"s);
  store().Put(kTxbl, NumberedKey(7), "seven\0"s);
  FCRawText raw(quavix::kInterfaceVersion);
  ASSERT_TRUE(raw.Load(2));
  ASSERT_TRUE(raw.LoadNext());
  EXPECT_EQ(Text(raw), "seven");
  EXPECT_EQ(raw.GetLoadedSize(), 6);
  EXPECT_FALSE(raw.LoadNext());
  EXPECT_EQ(Text(raw), "seven") << "a refused step keeps the text";
}

// The host's record under the key is longer than the new text: a save that
// sent the record's size would read past the new block.
TEST_F(FCRawTextTest, SaveAfterSetTextSendsExactlyTheNewText) {
  store().Put(kTxbl, NumberedKey(4), "A rather long staff name\0"s);
  store().Put(kTxbl, NumberedKey(6), "x\0"s);
  FCRawText raw(quavix::kInterfaceVersion);
  ASSERT_TRUE(raw.Load(4));

  FCString shorter;
  shorter.SetCString("Vc.");
  raw.SetText(&shorter);
  EXPECT_EQ(raw.GetLoadedSize(), 4) << "the data size is the new block's";
  ASSERT_TRUE(raw.Save());
  EXPECT_EQ(calls().back().function, "SaveEData");
  EXPECT_EQ(calls().back().size, 4);
  EXPECT_EQ(Stored(kTxbl, 4), "Vc.\0"s);
  EXPECT_EQ(Text(raw), "Vc.");

  // A longer text than the record held is saved whole, not cut to the old size.
  FCString longer;
  longer.SetCString("Violoncello");
  raw.SetText(&longer);
  ASSERT_TRUE(raw.SaveAs(6));
  EXPECT_EQ(Stored(kTxbl, 6), "Violoncello\0"s);
  EXPECT_EQ(Stored(kTxbl, 4), "Vc.\0"s);

  // A text set on a raw text that was never loaded has data to save.
  FCRawText fresh(quavix::kInterfaceVersion);
  fresh.SetText(&shorter);
  ASSERT_TRUE(fresh.SaveAs(6));
  EXPECT_EQ(Stored(kTxbl, 6), "Vc.\0"s);
  fresh.SetText(nullptr);
  EXPECT_EQ(fresh.GetLoadedSize(), 4) << "no string, no change";
}

TEST_F(FCRawTextTest, TextIsReadUpToItsNulAndNeverPastTheBytesDelivered) {
  store().Put(kTxbl, NumberedKey(1), "no terminator"s);
  store().Put(kTxbl, NumberedKey(2), "first\0second\0"s);
  store().Put(kTxbl, NumberedKey(3), "caf\xE9\0"s);
  store().Put(kTxbl, NumberedKey(4), ""s);
  FCRawText raw(quavix::kInterfaceVersion);
  ASSERT_TRUE(raw.Load(1));
  EXPECT_EQ(Text(raw), "no terminator");
  ASSERT_TRUE(raw.Load(2));
  EXPECT_EQ(Text(raw), "first");
  ASSERT_TRUE(raw.Load(3));
  std::unique_ptr<FCString> accented(raw.CreateString());
  EXPECT_EQ(accented->GetItemAt(3), 0xFFE9);
  EXPECT_EQ(std::string(accented->GetCString()), "caf\xE9");
  // An empty record offers no bytes to read.
  raw.Load(4);
  EXPECT_EQ(Text(raw), "");
}

// A host that reports more than the block it was given: the sizes of later
// queries grow, and every load claims 50 bytes more than it delivered.
int g_queries = 0;
std::int32_t QXAPI OverstatingLoad(std::uint32_t tag, void* key, void* buffer, std::int32_t* size,
                                   std::uint32_t version) {
  const std::int32_t result = host::api::LoadEData(tag, key, buffer, size, version);
  if (result == 0) return 0;
  if (buffer == nullptr) {
    if (g_queries++ > 0) *size += 50;
  } else {
    *size += 50;
  }
  return result;
}

TEST_F(FCRawTextTest, SizesTheHostOverstatesAreHeldToTheBlock) {
  Provide("FX_LoadEData", &OverstatingLoad);
  store().Put(kTxbl, NumberedKey(9), "Oboe"s);
  FCRawText raw(quavix::kInterfaceVersion);
  g_queries = 0;
  ASSERT_TRUE(raw.Load(9));
  EXPECT_EQ(calls()[2].size, 4) << "the load offers no more than the block holds";
  EXPECT_EQ(raw.GetLoadedSize(), 4);
  EXPECT_EQ(Text(raw), "Oboe");
  ASSERT_TRUE(raw.Save());
  EXPECT_EQ(calls().back().size, 4);
  EXPECT_EQ(Stored(kTxbl, 9), "Oboe");
}

TEST_F(FCRawTextTest, DeallocateLeavesNoBlockBehind) {
  store().Put(kTxbl, NumberedKey(1), "one\0"s);
  FCRawText raw(quavix::kInterfaceVersion);
  ASSERT_TRUE(raw.Load(1));
  raw.Deallocate();
  EXPECT_EQ(raw._GetDataPtr(), nullptr);
  EXPECT_EQ(raw.GetLoadedSize(), 0);
  EXPECT_FALSE(raw.Save());
  EXPECT_EQ(Text(raw), "");
  // The destructor then has nothing left to release a second time.
}

}  // namespace
