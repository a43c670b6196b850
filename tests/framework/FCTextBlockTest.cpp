#include "framework/score/FCTextBlock.h"

#include <cstring>
#include <memory>
#include <string>

#include "framework/text/FCString.h"
#include "host/document/RecordStore.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;
using namespace std::string_literals;

constexpr std::uint32_t kSotx = quavix::MakeTag('S', 'O', 'T', 'X');
constexpr std::uint32_t kTxbl = quavix::MakeTag('t', 'x', 'b', 'l');
constexpr std::uint32_t kTxxp = quavix::MakeTag('t', 'x', 'x', 'p');

// A 26-byte text block record naming a raw text, the rest filled with a
// pattern that no field of ours interprets.
std::string BlockRecord(std::int16_t rawText) {
  EDTTextBlock2004 record{};
  record.rawTextNumber = rawText;
  for (int i = 0; i < 24; ++i) record.reserved2[i] = static_cast<std::uint8_t>(0xA0 + i);
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class FCTextBlockTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  host::RecordStore& store() { return document().Records(); }
  static std::string Words(FCTextBlock& block) {
    std::unique_ptr<FCString> string(block.CreateRawTextString());
    return string->GetCString();
  }
};

TEST_F(FCTextBlockTest, ReadsTheWordsOfTheRawTextItNamesUnderTheDefaultTag) {
  store().Put(kSotx, NumberedKey(3), BlockRecord(0x0102));
  store().Put(kTxbl, NumberedKey(0x0102), "Flute 1\0"s);
  store().Put(kTxxp, NumberedKey(0x0102), "not this\0"s);
  FCTextBlock block(quavix::kInterfaceVersion);
  EXPECT_STREQ(block.ClassName(), "FCTextBlock");
  EXPECT_EQ(block.Tag(), kSotx);
  EXPECT_EQ(block.DataSize(), 26);
  ASSERT_TRUE(block.Load(3));
  EXPECT_EQ(block.GetItemNo(), 3);
  EXPECT_EQ(block.GetRawTextNumber(), 0x0102);
  EXPECT_EQ(Words(block), "Flute 1");

  const auto& load = session().RecordCalls().back();
  EXPECT_EQ(load.tag, kTxbl);
  EXPECT_EQ(load.key, NumberedKey(0x0102));
}

TEST_F(FCTextBlockTest, NoTextGivesAnEmptyString) {
  store().Put(kSotx, NumberedKey(1), BlockRecord(77));  // raw text 77 does not exist
  store().Put(kTxbl, NumberedKey(0), "text zero\0"s);
  FCTextBlock block(quavix::kInterfaceVersion);
  EXPECT_EQ(Words(block), "") << "a block never loaded names no text, not text 0";
  ASSERT_TRUE(block.Load(1));
  EXPECT_EQ(Words(block), "");
  EXPECT_FALSE(block.Load(2));
  EXPECT_EQ(Words(block), "") << "after a failed load";
}

TEST_F(FCTextBlockTest, CloneCopiesAllTwentySixBytes) {
  store().Put(kSotx, NumberedKey(8), BlockRecord(12));
  FCTextBlock block(quavix::kInterfaceVersion);
  ASSERT_TRUE(block.Load(8));
  std::unique_ptr<__FCBaseData> clone(block.CreateClone());
  ASSERT_NE(clone, nullptr);
  EXPECT_STREQ(clone->ClassName(), "FCTextBlock");
  EXPECT_EQ(clone->GetLoadedSize(), 26);
  EXPECT_NE(clone->_GetDataPtr(), block._GetDataPtr()) << "the copy has its own record";
  EXPECT_EQ(std::string(static_cast<const char*>(clone->_GetDataPtr()), 26), BlockRecord(12));
  EXPECT_EQ(static_cast<FCTextBlock*>(clone.get())->GetItemNo(), 8);

  // Saving the copy under the original's number writes the same bytes back.
  store().Put(kSotx, NumberedKey(8), BlockRecord(0));
  ASSERT_TRUE(clone->Save());
  EXPECT_EQ(*store().Find(kSotx, NumberedKey(8)), BlockRecord(12));
}

}  // namespace
