#include "framework/score/FCMeasureNumberRegion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pdk/binding/HostModule.h"
#include "seam/ModuleSeam.h"

namespace {

class FCMeasureNumberRegionTest : public ::testing::Test {
 protected:
  void TearDown() override { qxtest::ResetModuleState(); }

  // A region of measures first..last numbered from `number`, added to the
  // collection.
  FCMeasureNumberRegion* Add(short first, short last, short number, const char* prefix = "",
                             const char* suffix = "") {
    auto* region = new FCMeasureNumberRegion(quavix::kInterfaceVersion);
    region->SetStartMeasure(first);
    region->SetEndMeasure(last);
    region->SetStartNumber(number);
    std::strcpy(const_cast<char*>(region->GetPrefix()), prefix);
    std::strcpy(const_cast<char*>(region->GetSuffix()), suffix);
    regions.Add(region);
    return region;
  }
  FCMeasureNumberRegions regions;
};

TEST_F(FCMeasureNumberRegionTest, FieldsAreStoredAsTheHostKeepsThemInTheLayoutOfTheRunningHost) {
  for (const QxULong version : {0x0F000000ul, 0x0EFFFFFFul}) {
    SCOPED_TRACE(version);
    RunningQuavixVersion = version;
    FCMeasureNumberRegion region(quavix::kInterfaceVersion);
    const bool current = version >= 0x0F000000;
    EXPECT_EQ(region.DataSize(), current ? 196 : 88);
    region.SetStartMeasure(5);
    region.SetEndMeasure(10);
    region.SetStartNumber(1);
    const auto* bytes = static_cast<const unsigned char*>(region.Allocate());
    auto at = [&](int offset) { return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8)); };
    EXPECT_EQ(at(current ? 132 : 6), 5);
    EXPECT_EQ(at(current ? 134 : 8), 11) << "the measure after the last";
    EXPECT_EQ(at(current ? 140 : 16), 0) << "the number before the first";
    EXPECT_EQ(region.GetEndMeasure(), 10);
    EXPECT_EQ(region.GetStartNumber(), 1);
    EXPECT_EQ(region.GetPrefix(), reinterpret_cast<const char*>(bytes) + (current ? 142 : 22));
    EXPECT_TRUE(region.ContainsMeasure(5) && region.ContainsMeasure(10));
    EXPECT_FALSE(region.ContainsMeasure(4) || region.ContainsMeasure(11));
  }
}

TEST_F(FCMeasureNumberRegionTest, TheFirstRegionThatContainsTheMeasureNumbersIt) {
  Add(5, 8, 1, "m", "");
  Add(1, 20, 100, "", "b");  // overlaps the first, which wins where both hold
  char buffer[128] = "untouched";
  EXPECT_EQ(regions.CalcMeasureNumber(6, buffer), 0);
  EXPECT_STREQ(buffer, "m6") << "start number + measure - 1; the start measure does not count";
  EXPECT_EQ(regions.CalcMeasureNumber(9, buffer), 1);
  EXPECT_STREQ(buffer, "108b");
  std::strcpy(buffer, "untouched");
  EXPECT_EQ(regions.CalcMeasureNumber(21, buffer), -1);
  EXPECT_STREQ(buffer, "untouched");
}

// A record need not end its texts in NUL: they are read within their fields.
TEST_F(FCMeasureNumberRegionTest, TextsWithoutANulAreReadOnlyWithinTheirFields) {
  FCMeasureNumberRegion* region = Add(1, 1, 7);
  std::memset(const_cast<char*>(region->GetPrefix()), 'p', 24);
  std::memset(const_cast<char*>(region->GetSuffix()), 's', 30);
  char buffer[128];
  ASSERT_EQ(regions.CalcMeasureNumber(1, buffer), 0);
  EXPECT_EQ(std::string(buffer), std::string(24, 'p') + "7" + std::string(30, 's'));
}

}  // namespace
