#include <stdexcept>

#include "host/api/HostApi.h"
#include "support/SessionFixture.h"

namespace {

using qxtest::EntryNumbers;

TEST(DocumentBuilderTest, ChordsAndRestsLookAsTheHostStoresThem) {
  const host::Document doc = host::DocumentBuilder()
                                 .Staves({2, 1})
                                 .Measures(2)
                                 .Chord(1, 2, 3, 0, {{4, 0}, {2, -1}, {0, 1}}, 512)
                                 .Rest(1, 2, 3, 512)
                                 .Chord(2, 1, 0, 0, {{-3, 0}})
                                 .Build();
  const std::vector<EXENTRY>& cell = doc.Entries(1, 2, 3);
  ASSERT_EQ(cell.size(), 2u);
  const EXENTRY& chord = cell[0];
  EXPECT_EQ(+chord.flags, quavix::entryflag::kNoteEntry);
  ASSERT_EQ(+chord.noteCount, 3);
  const short displacements[] = {4, 2, 0}, alterations[] = {0, -1, 1};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(+chord.notes[i].displacement, displacements[i]);
    EXPECT_EQ(+chord.notes[i].raiseLower, alterations[i]);
    EXPECT_EQ(+chord.notes[i].noteId, i + 1);
    EXPECT_EQ(+chord.notes[i].flags, static_cast<std::uint32_t>(i + 1) << 16);
  }
  EXPECT_EQ(chord.duration, 512);

  const EXENTRY& rest = cell[1];
  EXPECT_EQ(+rest.flags, 0u);
  EXPECT_EQ(+rest.noteCount, 0);
  EXPECT_EQ(+rest.position, 512);
  EXPECT_EQ(rest.duration, host::kDefaultEntryDuration);

  // Every entry is numbered, each number once.
  EXPECT_EQ(EntryNumbers(cell), (std::vector<std::uint32_t>{1, 2}));
  EXPECT_EQ(EntryNumbers(doc.Entries(2, 1, 0)), (std::vector<std::uint32_t>{3}));
  EXPECT_EQ(doc.NextEntryNumber(), 4u);
  EXPECT_EQ(doc.EntryCount(), 3u);
}

TEST(DocumentBuilderTest, RefusesWhatTheDocumentCannotHold) {
  const auto base = [] { return host::DocumentBuilder().Staves({1}).Measures(2); };
  EXPECT_THROW(host::DocumentBuilder().Staves({1, 2, 1}), std::invalid_argument);
  EXPECT_THROW(host::DocumentBuilder().Staves({0}), std::invalid_argument);
  EXPECT_THROW(host::DocumentBuilder().Measures(-1), std::invalid_argument);
  EXPECT_THROW(host::DocumentBuilder().MaxLayers(0), std::invalid_argument);
  EXPECT_THROW(host::DocumentBuilder().HideLayer(4), std::invalid_argument);
  EXPECT_THROW(base().Rest(2, 1, 0, 0), std::out_of_range);  // no staff 2
  EXPECT_THROW(base().Rest(1, 3, 0, 0), std::out_of_range);
  EXPECT_THROW(base().Rest(1, 1, 4, 0), std::out_of_range);
  EXPECT_THROW(base().Chord(1, 1, 0, 0, {}), std::invalid_argument);
  EXPECT_THROW(base().Chord(1, 1, 0, 0, std::vector<host::Pitch>(13, {0, 0})), std::invalid_argument);
  EXPECT_THROW(base().Build().Entries(1, 0, 0), std::out_of_range);
}

TEST(DocumentTest, ContentBelongsToStaffIdsAndGoesWithItsStaffMeasureOrLayer) {
  host::Document doc = host::DocumentBuilder()
                           .Staves({1, 2, 3})
                           .Measures(3)
                           .Rest(1, 1, 0, 0)
                           .Rest(2, 3, 0, 0)
                           .Rest(3, 1, 3, 0)
                           .Build();
  doc.SetStaves({3, 1});  // reordered, staff 2 gone
  EXPECT_EQ(doc.StaffAtSlot(1), 3);
  EXPECT_EQ(doc.SlotOfStaff(1), 2);
  EXPECT_EQ(doc.SlotOfStaff(2), 0);
  EXPECT_EQ(doc.Entries(1, 1, 0).size(), 1u);

  doc.SetStaves({3, 1, 2});  // staff 2 is back, without its old content
  EXPECT_TRUE(doc.Entries(2, 3, 0).empty());
  doc.SetMaxLayers(3);
  doc.SetMaxLayers(4);
  EXPECT_TRUE(doc.Entries(3, 1, 3).empty());
  doc.SetMeasureCount(0);
  EXPECT_EQ(doc.EntryCount(), 0u);
}

}  // namespace
