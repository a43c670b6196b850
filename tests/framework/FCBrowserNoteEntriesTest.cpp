#include "framework/browsers/FCBrowserNoteEntries.h"

#include <string>
#include <utility>
#include <vector>

#include "framework/core/SmallObjectPool.h"
#include "framework/notes/FCNoteEntry.h"
#include "framework/regions/FCCells.h"
#include "framework/regions/FCMusicRegion.h"
#include "host/document/DocumentBuilder.h"
#include "support/HostFixture.h"

namespace {

using FCBrowserNoteEntriesTest = qxtest::HostTest;
using host::HostFn;

// Offered entries as "measure/staff@position"; Iterate is false for the nth.
struct EntryRecorder : FCIteratorHandler {
  int falseAt = 0;
  std::vector<std::string> seen;
  bool Iterate(__FCBase* element) override {
    auto* entry = static_cast<FCNoteEntry*>(element);
    seen.push_back(std::to_string(entry->GetMeasure()) + "@" + std::to_string(entry->GetMeasurePos()));
    if (entry->GetCount() > 1) entry->DeleteNote(entry->GetItemAt(0));  // changes the record
    return static_cast<int>(seen.size()) != falseAt;
  }
};

// A region browser that only records the cells it is given.
struct CellRecorder : __FCBrowserRegionBase {
  std::vector<std::pair<int, int>> cells;
  int stopAfter = -1;
  __FCBase* FindFirst(FCIteratorHandler*) override { return nullptr; }
  bool RegionIterateCellHandler(FCCell* cell, FCIteratorHandler*, FCMusicRegion*) override {
    cells.emplace_back(cell->GetMeasure(), cell->GetStaff());
    return static_cast<int>(cells.size()) != stopAfter;
  }
};

TEST_F(FCBrowserNoteEntriesTest, VisitsEveryStaffIdBetweenTheEndStavesMeasureByMeasure) {
  Open(host::DocumentBuilder().Staves({2, 9, 5}).Measures(3));
  EREGION r = host::MakeRegion(1, 1, 3, 2);  // slots 1..3 hold IDs 2, 9, 5: IDs 2 to 5
  FCMusicRegion region(&r);
  CellRecorder browser;
  FCIteratorHandler handler;
  EXPECT_EQ(browser.ForEachInRegion(&handler, &region), 8);
  const std::vector<std::pair<int, int>> expected = {{1, 2}, {1, 3}, {1, 4}, {1, 5},
                                                     {2, 2}, {2, 3}, {2, 4}, {2, 5}};
  EXPECT_EQ(browser.cells, expected);

  CellRecorder stopping;
  stopping.stopAfter = 3;
  EXPECT_EQ(stopping.ForEachInRegion(&handler, &region), 2);
  EXPECT_EQ(stopping.cells.size(), 3u);

  CellRecorder whole;
  EXPECT_EQ(whole.ForEach(&handler), 3 * 4);  // the document: measures 1..3, IDs 2..5
}

TEST_F(FCBrowserNoteEntriesTest, WholeDocumentWalkFallsBackToTheEmptyRegion) {
  CellRecorder browser;  // no document is open: the host cannot report its region
  FCIteratorHandler handler;
  EXPECT_EQ(browser.ForEach(&handler), 1);
  EXPECT_EQ(browser.cells, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(FCBrowserNoteEntriesTest, OffersEntriesInsideTheRegionAndSavesEachCellOnce) {
  Open(host::DocumentBuilder()
           .Staves({1, 2})
           .Measures(3)
           .Chord(1, 1, 0, 0, {{1, 0}})
           .Chord(1, 1, 0, 480, {{2, 0}})
           .Chord(2, 2, 0, 100, {{3, 0}})
           .Chord(1, 3, 0, 300, {{4, 0}})
           .Chord(1, 3, 0, 301, {{5, 0}})
           .Chord(1, 3, 1, 0, {{6, 0}}));
  EREGION r = host::MakeRegion(1, 1, 2, 3, 480, 300);
  FCMusicRegion region(&r);
  FCBrowserNoteEntries browser;
  EntryRecorder handler;
  handler.SetSaveFlag(true);
  EXPECT_EQ(browser.ForEachInRegion(&handler, &region), 6);
  EXPECT_EQ(handler.seen, (std::vector<std::string>{"1@480", "2@100", "3@300", "3@0"}));
  for (int staff : {1, 2}) {
    for (int measure = 1; measure <= 3; ++measure) {
      for (int layer = 0; layer < 4; ++layer) EXPECT_EQ(document().SaveCount(staff, measure, layer), 1);
    }
  }
  EXPECT_EQ(browser.FindFirst(&handler), nullptr);
}

TEST_F(FCBrowserNoteEntriesTest, FalseFromIterateStillPacksAndSavesThatCellThenStops) {
  Open(host::DocumentBuilder()
           .Staves({1})
           .Measures(2)
           .Chord(1, 1, 0, 0, {{1, 0}})
           .Chord(1, 1, 0, 1, {{1, 0}})
           .Chord(1, 1, 0, 2, {{1, 0}, {2, 0}})
           .Chord(1, 1, 0, 3, {{1, 0}})
           .Chord(1, 2, 0, 0, {{1, 0}}));
  EREGION r = host::MakeRegion(1, 1, 1, 2);
  FCMusicRegion region(&r);
  FCBrowserNoteEntries browser;
  EntryRecorder handler;
  handler.falseAt = 3;
  handler.SetSaveFlag(true);
  EXPECT_EQ(browser.ForEachInRegion(&handler, &region), 0);
  EXPECT_EQ(handler.seen.size(), 3u);
  EXPECT_EQ(document().Entries(1, 1, 0)[2].noteCount, 1);  // the deletion was packed and saved
  EXPECT_EQ(document().SaveCount(1, 1, 0), 1);
  EXPECT_EQ(document().SaveCount(1, 2, 0), 0);  // no further cell
}

TEST_F(FCBrowserNoteEntriesTest, WalkReturnsThePoolsChunksWhenItEndsEarlyOrNot) {
  using NotePool = framework::detail::SmallObjectPool<sizeof(FCNote)>;
  using EntryPool = framework::detail::SmallObjectPool<sizeof(FCNoteEntry)>;
  host::DocumentBuilder builder;
  builder.Staves({1, 2}).Measures(3);
  for (int staff = 1; staff <= 2; ++staff) {
    for (int measure = 1; measure <= 3; ++measure) builder.Chord(staff, measure, 0, 0, {{1, 0}, {2, 0}});
  }
  Open(builder);
  EREGION r = host::MakeRegion(1, 1, 2, 3);
  FCMusicRegion region(&r);
  FCBrowserNoteEntries browser;
  for (int falseAt : {0, 4}) {
    EntryRecorder handler;
    handler.falseAt = falseAt;
    handler.SetSaveFlag(true);
    browser.ForEachInRegion(&handler, &region);
    EXPECT_EQ(handler.seen.size(), falseAt == 0 ? 6u : 4u);
    EXPECT_EQ(NotePool::ChunkCount(), 0u);
    EXPECT_EQ(EntryPool::ChunkCount(), 0u);
  }
  // Every cell's deletion was packed and saved, also with the chunks reused.
  for (int staff = 1; staff <= 2; ++staff) {
    for (int measure = 1; measure <= 3; ++measure) {
      EXPECT_EQ(document().Entries(staff, measure, 0)[0].noteCount, 1);
      EXPECT_EQ(document().Entries(staff, measure, 0)[0].notes[0].displacement, 2);
    }
  }
}

TEST_F(FCBrowserNoteEntriesTest, WithoutTheSaveFlagChangesAreDropped) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).Chord(1, 1, 0, 0, {{1, 0}, {2, 0}}));
  EREGION r = host::MakeRegion(1, 1, 1, 1);
  FCMusicRegion region(&r);
  FCBrowserNoteEntries browser;
  EntryRecorder handler;
  EXPECT_EQ(browser.ForEachInRegion(&handler, &region), 1);
  EXPECT_EQ(exports().CallCount(HostFn::SaveTGF), 0);
  EXPECT_EQ(document().Entries(1, 1, 0)[0].noteCount, 2);
}

TEST_F(FCBrowserNoteEntriesTest, CellWithNothingInTheRegionIsStillSavedAndCounted) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).Chord(1, 1, 0, 10, {{1, 0}}));
  EREGION r = host::MakeRegion(1, 1, 1, 1, 500, 600);
  FCMusicRegion region(&r);
  FCBrowserNoteEntries browser;
  EntryRecorder handler;
  handler.SetSaveFlag(true);
  EXPECT_EQ(browser.ForEachInRegion(&handler, &region), 1);
  EXPECT_TRUE(handler.seen.empty());
  EXPECT_EQ(document().SaveCount(1, 1, 0), 1);
}

TEST_F(FCBrowserNoteEntriesTest, CellListFollowsSlotsInSlotOrder) {
  Open(host::DocumentBuilder().Staves({3, 1, 2}).Measures(2));
  EREGION r = host::MakeRegion(1, 1, 3, 2);
  FCMusicRegion region(&r);
  FCCells cells;
  cells.Add(new FCCell(9, 9));
  cells.ApplyRegion(&region);
  std::vector<std::pair<int, int>> got;
  for (int i = 0; i < cells.GetCount(); ++i)
    got.emplace_back(cells.GetItemAt(i)->GetMeasure(), cells.GetItemAt(i)->GetStaff());
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{1, 3}, {1, 1}, {1, 2}, {2, 3}, {2, 1}, {2, 2}}));

  struct CountCells : FCIteratorHandler {
    int calls = 0, falseAt = 0;
    bool Iterate(__FCBase*) override { return ++calls != falseAt; }
  };
  CountCells atMeasure;
  EXPECT_EQ(cells.ForEachAtMeasure(2, &atMeasure), 3);
  CountCells atStaff;
  EXPECT_EQ(cells.ForEachAtStaff(1, &atStaff), 2);
  CountCells none;
  EXPECT_EQ(cells.ForEachAtStaff(7, &none), 0);
  EXPECT_EQ(none.calls, 0);
  CountCells stopping;
  stopping.falseAt = 2;
  EXPECT_EQ(cells.ForEachAtMeasure(1, &stopping), 1);
}

}  // namespace
