#include "framework/notes/FCNoteEntryCell.h"

#include <cstring>
#include <vector>

#include "host/document/Session.h"
#include "pdk/binding/HostFunctions.h"
#include "pdk/frames/FrameServices.h"
#include "support/HostFixture.h"

namespace {

using qxtest::kVersion;

using FCNoteEntryCellTest = qxtest::HostTest;
using host::HostFn;

std::vector<std::int32_t> Positions(const FCNoteEntryCell& cell) {
  std::vector<std::int32_t> positions;
  for (int i = 0; i < cell.GetCount(); ++i) positions.push_back(cell.GetItemAt(i)->GetMeasurePos());
  return positions;
}

TEST_F(FCNoteEntryCellTest, LoadsShownLayersInLayerOrderWithOneChainPerLayer) {
  Open(host::DocumentBuilder()
           .Staves({7, 4})
           .Measures(3)
           .HideLayer(1)
           .HideLayer(3)
           .Chord(4, 2, 0, 0, {{1, 0}})
           .Rest(4, 2, 0, 256)
           .Chord(4, 2, 1, 0, {{9, 0}})  // hidden
           .Chord(4, 2, 2, 128, {{2, 0}, {3, 0}})
           .Chord(4, 2, 3, 512, {{9, 0}}));  // hidden
  FCNoteEntryCell cell(2, 4);
  ASSERT_TRUE(cell.Load());
  EXPECT_EQ(host::Session::Current().LentFrameCount(), 2);
  EXPECT_EQ(Positions(cell), (std::vector<std::int32_t>{0, 256, 128}));
  EXPECT_EQ(cell.GetItemAt(0)->GetNext(), cell.GetItemAt(1));
  EXPECT_EQ(cell.GetItemAt(1)->GetPrevious(), cell.GetItemAt(0));
  EXPECT_EQ(cell.GetItemAt(1)->GetNext(), nullptr);      // the chain ends with the layer
  EXPECT_EQ(cell.GetItemAt(2)->GetPrevious(), nullptr);  // and restarts with the next
  EXPECT_EQ(cell.GetItemAt(2)->GetCount(), 2);
  EXPECT_EQ(cell._GetFrame(1), nullptr);
  EXPECT_EQ(cell.GetItemAt(0)->GetMeasure(), 2);

  // Reloading releases the previous frames first.
  ASSERT_TRUE(cell.Load());
  EXPECT_EQ(host::Session::Current().LentFrameCount(), 2);
  EXPECT_EQ(exports().CallCount(HostFn::FreeTGF), 2);
}

TEST_F(FCNoteEntryCellTest, FailedLoadOfOneLayerLeavesTheCellEmptyAndReleasesTheOthers) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).Chord(1, 1, 0, 0, {{1, 0}}));
  exports().FailNthCall(HostFn::LoadTGF, 3);  // layer 2
  FCNoteEntryCell cell(1, 1);
  EXPECT_FALSE(cell.Load());
  EXPECT_EQ(cell.GetCount(), 0);
  EXPECT_EQ(host::Session::Current().LentFrameCount(), 0);
  for (int layer = 0; layer < 4; ++layer) EXPECT_EQ(cell._GetFrame(layer), nullptr);
  EXPECT_TRUE(cell.Save());  // nothing loaded: nothing saved, no failure
  EXPECT_EQ(exports().CallCount(HostFn::SaveTGF), 0);

  // A staff the document does not have: no frame at all.
  FCNoteEntryCell missing(1, 99);
  EXPECT_FALSE(missing.Load());
}

TEST_F(FCNoteEntryCellTest, SaveWritesEveryLoadedFrameEvenAfterOneFails) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).MaxLayers(3).Chord(1, 1, 0, 0, {{1, 0}}));
  FCNoteEntryCell cell(1, 1);
  ASSERT_TRUE(cell.Load());
  cell.GetItemAt(0)->GetItemAt(0)->SetDisplacement(5);
  exports().FailNthCall(HostFn::SaveTGF, 1);  // layer 0
  EXPECT_FALSE(cell.Save());
  EXPECT_EQ(exports().CallCount(HostFn::SaveTGF), 3);
  EXPECT_EQ(document().SaveCount(1, 1, 0), 0);
  EXPECT_EQ(document().SaveCount(1, 1, 1), 1);
  EXPECT_EQ(document().Entries(1, 1, 0)[0].notes[0].displacement, 1);  // the failed save changed nothing
  EXPECT_TRUE(cell.Save());
  EXPECT_EQ(document().Entries(1, 1, 0)[0].notes[0].displacement, 5);
}

TEST_F(FCNoteEntryCellTest, MoreLayersThanTheFrameTableUsesTwenty) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).MaxLayers(25));
  {
    FCNoteEntryCell cell(1, 1);
    ASSERT_TRUE(cell.Load());
    EXPECT_EQ(host::Session::Current().LentFrameCount(), 20);
  }
  EXPECT_EQ(host::Session::Current().LentFrameCount(), 0);  // the destructor released them
}

TEST_F(FCNoteEntryCellTest, ClosestPositionPrefersTheEarlierEntryOnTies) {
  Open(host::DocumentBuilder()
           .Staves({1})
           .Measures(1)
           .Chord(1, 1, 0, 0, {{1, 0}})
           .Chord(1, 1, 0, 512, {{1, 0}})
           .Chord(1, 1, 0, 1024, {{1, 0}}));
  FCNoteEntryCell cell(1, 1);
  ASSERT_TRUE(cell.Load());
  EXPECT_EQ(cell.FindClosestPos(768)->GetMeasurePos(), 512);
  EXPECT_EQ(cell.FindClosestPos(1000)->GetMeasurePos(), 1024);
  EXPECT_EQ(cell.FindClosestPos(-100)->GetMeasurePos(), 0);
  EXPECT_EQ(cell.FindClosestPos(30000), nullptr);
  EXPECT_EQ(cell.FindClosestPos(1024 + 20000), nullptr);
  FCNoteEntryCell empty(1, 1);
  EXPECT_EQ(empty.FindClosestPos(0), nullptr);
}

TEST_F(FCNoteEntryCellTest, CopyEntriesReplacesTheDestinationWithoutAttachedFlags) {
  host::DocumentBuilder builder;
  builder.Staves({1, 2}).Measures(1);
  for (int i = 0; i < 3; ++i) builder.Chord(1, 1, 0, i * 256, {{static_cast<short>(i), 0}});
  for (int i = 0; i < 5; ++i) builder.Rest(2, 1, 0, i * 100);
  Open(builder);
  EXTGF2005a* source = FX_LoadTGF(0, 1, 1, 0, 1, kVersion);
  EXTGF2005a* destination = FX_LoadTGF(0, 2, 1, 0, 1, kVersion);
  ASSERT_NE(source, nullptr);
  ASSERT_NE(destination, nullptr);
  source->entries[1].flags |= 0x007A54C0 | 0x00000100;
  source->entries[1].flags2 = 0x0025;
  CleanTGF(source);  // as the host will see the copies

  __FCNoteEntryCollection copier;
  copier._CopyEntries(source, destination);
  ASSERT_EQ(destination->entryCount, 3);
  for (int i = 0; i < 3; ++i) {
    EXENTRY expected = source->entries[i];
    expected.entryNumber = 0;  // fresh entries, numbered when saved
    expected.flags &= 0xFF85AB3F;
    expected.flags2 &= static_cast<std::uint16_t>(~0x0020);
    EXPECT_EQ(std::memcmp(&destination->entries[i], &expected, sizeof expected), 0) << i;
  }
  EXPECT_EQ(destination->entries[1].flags, 0x40000100u);
  EXPECT_EQ(destination->entries[1].flags2, 0x0005);
  FX_FreeTGF(source, kVersion);
  FX_FreeTGF(destination, kVersion);
}

}  // namespace
