#include "framework/regions/FCMusicRegion.h"

#include <cstring>

#include "framework/notes/FCNoteEntry.h"
#include "host/document/DocumentBuilder.h"
#include "host/document/Session.h"
#include "support/HostFixture.h"
#include "support/TestFrame.h"

namespace {

using FCMusicRegionTest = qxtest::HostTest;

TEST_F(FCMusicRegionTest, PositionsAreCutOnlyInTheFirstAndLastMeasure) {
  Open(host::DocumentBuilder().Staves({1, 2}).Measures(10));
  struct Case {
    EREGION region;
    short measure;
    std::int32_t position;
    bool inside;
  };
  const EREGION threeToFive = host::MakeRegion(1, 3, 2, 5, 480, 0x7FFFFFFF);
  const EREGION seven = host::MakeRegion(1, 7, 2, 7, 256, 768);
  const Case cases[] = {
      {threeToFive, 3, 0, false},
      {threeToFive, 3, 479, false},
      {threeToFive, 3, 480, true},
      {threeToFive, 4, -5, true},
      {threeToFive, 4, 0x7FFFFFFF, true},
      {threeToFive, 5, 0x7FFFFFFF, true},
      {threeToFive, 2, 9999, false},
      {threeToFive, 6, 0, false},
      {seven, 7, 255, false},
      {seven, 7, 256, true},
      {seven, 7, 768, true},
      {seven, 7, 769, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "measure " << c.measure << " position " << c.position);
    FCMusicRegion region(&c.region);
    FCCell cell(c.measure, 2);
    EXPECT_EQ(region.IsCellPosWithin(&cell, c.position), c.inside);

    qxtest::TestFrame frame(/*staff*/ 2, c.measure);
    frame.Chord(c.position, {{0}});
    FCNoteEntry entry(frame.get(), 0, nullptr);
    EXPECT_EQ(region.IsEntryPosWithin(&entry), c.inside);
  }
}

TEST_F(FCMusicRegionTest, MeasureBoundsAreInclusiveAndAReversedRegionHoldsNone) {
  EREGION r = host::MakeRegion(1, 3, 1, 5, 0, 0x7FFFFFFF);
  FCMusicRegion region(&r);
  EXPECT_FALSE(region.IsMeasureIncluded(2));
  EXPECT_TRUE(region.IsMeasureIncluded(3));
  EXPECT_TRUE(region.IsMeasureIncluded(5));
  EXPECT_FALSE(region.IsMeasureIncluded(6));
  EREGION reversed = host::MakeRegion(1, 5, 1, 3, 0, 0x7FFFFFFF);
  FCMusicRegion none(&reversed);
  for (short m = 0; m < 8; ++m) EXPECT_FALSE(none.IsMeasureIncluded(m));
}

TEST_F(FCMusicRegionTest, PartialUnlessItCoversWholeMeasures) {
  struct Case {
    std::int32_t start, end;
    bool partial;
  };
  for (const Case& c : {Case{0, 0x7FFFFFFF, false}, Case{0, 1000, true}, Case{1, 0x7FFFFFFF, true}}) {
    EREGION r = host::MakeRegion(1, 1, 1, 1, c.start, c.end);
    EXPECT_EQ(FCMusicRegion(&r).IsPartial(), c.partial);
  }
}

TEST_F(FCMusicRegionTest, StavesAreIncludedByIdBetweenTheIdsOfTheEndSlots) {
  Open(host::DocumentBuilder().Staves({3, 1, 2}).Measures(1));
  EREGION firstTwo = host::MakeRegion(1, 1, 2, 1, 0, 0x7FFFFFFF);  // IDs 3 .. 1: nothing fits
  FCMusicRegion region(&firstTwo);
  for (short id = 0; id <= 4; ++id) EXPECT_FALSE(region.IsStaffIncluded(id)) << id;
  EREGION lastTwo = host::MakeRegion(2, 1, 3, 1, 0, 0x7FFFFFFF);  // IDs 1 .. 2
  FCMusicRegion other(&lastTwo);
  EXPECT_TRUE(other.IsStaffIncluded(1));
  EXPECT_TRUE(other.IsStaffIncluded(2));
  EXPECT_FALSE(other.IsStaffIncluded(3));
  // Below the first ID the last is not asked for.
  const int before = exports().CallCount(host::HostFn::SlotToInst);
  other.IsStaffIncluded(0);
  EXPECT_EQ(exports().CallCount(host::HostFn::SlotToInst) - before, 1);
}

TEST_F(FCMusicRegionTest, SelectionAndWholeDocumentComeFromTheHost) {
  Open(host::DocumentBuilder().Staves({5, 6, 7}).Measures(12).Number(4).Select(2, 3, 3, 8, 100, 900));
  FCMusicRegion region;
  ASSERT_TRUE(region.SetCurrentSelection());
  EXPECT_EQ(region.GetStartSlot(), 2);
  EXPECT_EQ(region.GetEndMeasure(), 8);
  EXPECT_EQ(region.GetStartMeasurePos(), 100);
  EXPECT_EQ(region.GetDocument(), 4);
  EXPECT_TRUE(region.IsCurrentDocument());
  ASSERT_TRUE(region.SetFullDocument());
  EXPECT_EQ(region.GetStartSlot(), 1);
  EXPECT_EQ(region.GetEndSlot(), 3);
  EXPECT_EQ(region.GetStartMeasure(), 1);
  EXPECT_EQ(region.GetEndMeasure(), 12);
  EXPECT_FALSE(region.IsPartial());

  // SetInDocument makes it the selection, but only in its own document.
  region.SetEndMeasure(2);
  region.SetInDocument();
  EXPECT_EQ(document().Selection().endMeasure, 2);
  document().SetNumber(5);
  EXPECT_FALSE(region.IsCurrentDocument());
  region.SetEndMeasure(9);
  region.SetInDocument();
  EXPECT_EQ(document().Selection().endMeasure, 2);
}

TEST_F(FCMusicRegionTest, FailedHostQueryLeavesTheRegionUntouched) {
  EREGION r = host::MakeRegion(2, 3, 5, 6, 4, 7);
  FCMusicRegion region(&r);  // no document is open: the host cannot answer
  const short documentBefore = region.GetDocument();
  EXPECT_FALSE(region.SetCurrentSelection());
  EXPECT_FALSE(region.SetFullDocument());
  EXPECT_EQ(std::memcmp(&region._GetRegion(), &r, sizeof r), 0);
  EXPECT_EQ(region.GetDocument(), documentBefore);

  FCMusicRegion empty(nullptr);
  const EREGION zero{};
  EXPECT_EQ(std::memcmp(&empty._GetRegion(), &zero, sizeof zero), 0);
}

}  // namespace
