#include "framework/text/FCString.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<FCString> Text(const char* text) {
  auto string = std::make_unique<FCString>();
  string->SetCString(text);
  return string;
}

TEST(FCStringTest, StorageGrowsToTheNextMultipleOfTenAboveWhatIsNeeded) {
  struct Case {
    std::string text;
    int capacity;
  };
  const std::vector<Case> cases = {
      {"a", 10}, {"123456789", 10}, {"1234567890", 20}, {std::string(25, 'x'), 30}};
  for (const auto& c : cases) {
    FCString string;
    string.SetCString(c.text.c_str());
    EXPECT_EQ(string.GetLength(), static_cast<int>(c.text.size())) << c.text;
    EXPECT_EQ(string._GetCapacity(), c.capacity) << c.text;
    EXPECT_EQ(string.GetCString(), c.text);
  }

  // A shorter text reuses the array; the empty text releases it.
  FCString string;
  string.SetCString("1234567890");
  string.SetCString("abc");
  EXPECT_EQ(string._GetCapacity(), 20);
  EXPECT_STREQ(string.GetCString(), "abc");
  string.SetCString("");
  EXPECT_EQ(string.GetLength(), 0);
  EXPECT_EQ(string._GetCapacity(), 0);
  EXPECT_EQ(string._GetUnits(), nullptr);
  EXPECT_STREQ(string.GetCString(), "");
  string.SetCString(nullptr);
  EXPECT_EQ(string.GetLength(), 0);
}

TEST(FCStringTest, AppendKeepsTheCapacityAboveTheLengthAndTheUnitsAcrossGrowth) {
  FCString string;
  std::vector<int> capacities;
  for (int i = 0; i < 25; ++i) {
    string.Append(static_cast<unsigned short>('a' + i));
    capacities.push_back(string._GetCapacity());
    EXPECT_GT(string._GetCapacity(), string.GetLength());
  }
  EXPECT_EQ(capacities[0], 10);
  EXPECT_EQ(capacities[8], 10);
  EXPECT_EQ(capacities[9], 20) << "the tenth unit";
  EXPECT_EQ(capacities[19], 30);
  EXPECT_STREQ(string.GetCString(), "abcdefghijklmnopqrstuvwxy");

  // Appending after a text set from bytes goes on at its end.
  auto named = Text("Font");
  named->Append('1');
  named->Append('2');
  EXPECT_STREQ(named->GetCString(), "Font12");
  EXPECT_EQ(named->GetInt(4), 12);
}

TEST(FCStringTest, BytesBecomeUnitsBySignExtensionAndComeBackUnchanged) {
  auto string = Text("A\xE9\x7F\x80\xFF");
  EXPECT_EQ(string->GetItemAt(0), 0x0041);
  EXPECT_EQ(string->GetItemAt(1), 0xFFE9);
  EXPECT_EQ(string->GetItemAt(2), 0x007F);
  EXPECT_EQ(string->GetItemAt(3), 0xFF80);
  EXPECT_EQ(string->GetItemAt(4), 0xFFFF);
  EXPECT_EQ(string->GetItemAt(5), 0) << "past the end";
  EXPECT_EQ(string->GetItemAt(-1), 0);
  EXPECT_EQ(std::string(string->GetCString()), "A\xE9\x7F\x80\xFF");

  // Units wider than a byte keep their low 8 bits.
  FCString wide;
  wide.Append(0x0142);
  EXPECT_STREQ(wide.GetCString(), "B");
}

TEST(FCStringTest, IsCharacterMatchesAUnitOrOneByteOfASetInsideTheString) {
  auto string = Text("a^\xE9");
  EXPECT_TRUE(string->IsCharacter(0, static_cast<unsigned short>('a')));
  EXPECT_TRUE(string->IsCharacter(2, static_cast<unsigned short>(0xFFE9)));
  EXPECT_FALSE(string->IsCharacter(2, static_cast<unsigned short>(0x00E9)));
  EXPECT_FALSE(string->IsCharacter(3, static_cast<unsigned short>(0)));
  EXPECT_FALSE(string->IsCharacter(-1, static_cast<unsigned short>('a')));

  EXPECT_TRUE(string->IsCharacter(1, "(^,"));
  EXPECT_FALSE(string->IsCharacter(0, "(^,"));
  EXPECT_FALSE(string->IsCharacter(1, static_cast<const char*>(nullptr)));
  EXPECT_FALSE(string->IsCharacter(1, ""));
  EXPECT_FALSE(string->IsCharacter(3, "^"));
  EXPECT_FALSE(string->IsCharacter(2, "\xE9")) << "set bytes from 0x80 up are negative and never match";
}

TEST(FCStringTest, GetIntReadsLikeAtoiFromTheStart) {
  struct Case {
    const char* text;
    int start;
    int value;
  };
  const std::vector<Case> cases = {
      {"Font12", 4, 12},
      {"Font", 4, 0},
      {"Font", 5, 0},
      {"Font12", 0, 0},
      {"x  -7pt", 1, -7},
      {"+42", 0, 42},
      {"\t 9 9", 0, 9},
      {"size3", -1, 0},
      {"99999999999", 0, INT_MAX},
      {"-99999999999", 0, INT_MIN},
  };
  for (const auto& c : cases) {
    auto string = Text(c.text);
    EXPECT_EQ(string->GetInt(c.start), c.value) << c.text << " from " << c.start;
  }
}

TEST(FCStringTest, StartsWithAndEqualsCompareBytes) {
  auto fon = Text("Fon");
  auto fontname = Text("Fontname");
  EXPECT_FALSE(fon->StartsWith("Font"));
  EXPECT_TRUE(fontname->StartsWith("Font"));
  EXPECT_FALSE(fontname->StartsWith("font"));
  EXPECT_TRUE(fontname->StartsWith(""));
  EXPECT_TRUE(FCString().StartsWith(""));
  EXPECT_FALSE(fontname->StartsWith(nullptr));

  EXPECT_TRUE(fontname->Equals("Fontname"));
  EXPECT_FALSE(fontname->Equals("FontName"));
  EXPECT_FALSE(fontname->Equals("Font"));
  EXPECT_FALSE(fontname->Equals(nullptr));
  EXPECT_TRUE(FCString().Equals(""));
  EXPECT_TRUE(Text("\xE9t\xE9")->Equals("\xE9t\xE9"));

  // A unit 0 inside the string is part of it.
  auto withZero = Text("ab");
  withZero->Append(0);
  withZero->Append('c');
  EXPECT_FALSE(withZero->Equals("ab"));
  EXPECT_TRUE(withZero->StartsWith("ab"));
}

TEST(FCStringTest, EachGetCStringReplacesTheLastWithTheCurrentText) {
  auto string = Text("one");
  EXPECT_STREQ(string->GetCString(), "one");
  string->Append('s');
  const std::string second = string->GetCString();
  EXPECT_EQ(second, "ones");
  EXPECT_STREQ(string->GetCString(), "ones");
  EXPECT_STREQ(string->ClassName(), "FCString");
}

}  // namespace
