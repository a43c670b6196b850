// The built Drop 2nds plug-in file, loaded into this program as into the
// real host: the module finds this program's exported FX_ functions by name,
// and the command changes the substitute host's document.
#include <string>
#include <vector>

#include "e2e/PluginFixture.h"

namespace {

using host::HostFn;
using Notes = std::vector<host::Pitch>;
using qxtest::kOpenChord;

class Drop2ndsEndToEndTest : public qxtest::PluginTest {
 protected:
  Drop2ndsEndToEndTest() : PluginTest("QX_PLUGIN_PATH") {}
};

struct ChordCase {
  const char* name;
  Notes notes;                     // in storage order, as {displacement, raise/lower}
  std::vector<short> afterOneRun;  // displacements in storage order
  bool marked;
};

TEST_F(Drop2ndsEndToEndTest, SecondHighestNoteOfEveryFourNoteChordDropsAnOctave) {
  const ChordCase cases[] = {
      {"top to bottom", {{4, 0}, {2, 0}, {0, 0}, {-3, 0}}, {4, -5, 0, -3}, true},
      {"storage order does not matter", {{-3, 0}, {4, 0}, {0, 0}, {2, 0}}, {-3, 4, 0, -5}, true},
      {"doubled top note", {{4, 0}, {4, 0}, {0, 0}, {-3, 0}}, {4, 4, -7, -3}, true},
      {"alteration decides at equal displacement", {{4, 0}, {4, 1}, {0, 0}, {-3, 0}}, {-3, 4, 0, -3}, true},
      {"three notes", {{4, 0}, {2, 0}, {0, 0}}, {4, 2, 0}, false},
      {"five notes", {{4, 0}, {2, 0}, {0, 0}, {-3, 0}, {-5, 0}}, {4, 2, 0, -3, -5}, false},
      {"single note", {{4, 0}}, {4}, false},
      {"rest", {}, {0}, false},  // saved with the placeholder note a rest carries
      {"four notes at one pitch", {{1, 1}, {1, 1}, {1, 1}, {1, 1}}, {1, 1, 1, 1}, false},
      {"no clamping", {{-9990, 0}, {-9995, 0}, {-9999, 0}, {-9999, 0}}, {-9990, -10002, -9999, -9999}, true},
      {"notes at -10000 or below are never chosen",
       {{-10000, 0}, {-10001, 0}, {-10002, 0}, {-10003, 0}},
       {-10000, -10001, -10002, -10003},
       false},
  };
  host::DocumentBuilder builder;
  builder.Staves({1}).Measures(static_cast<int>(std::size(cases)));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const int measure = static_cast<int>(i) + 1;
    if (cases[i].notes.empty())
      builder.Rest(1, measure, 0, 0);
    else
      builder.Chord(1, measure, 0, 0, cases[i].notes);
  }
  Open(builder);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXENTRY entry = document().Entries(1, static_cast<int>(i) + 1, 0)[0];
    entry.flags2 = 0x0021;  // bits of the host's own stay
    document().StoreFrame(1, static_cast<int>(i) + 1, 0, &entry, 1, nullptr, 0);
  }
  Invoke(host::MakeRegion(1, 1, 1, static_cast<short>(std::size(cases))));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    const EXENTRY& entry = Entry(1, static_cast<int>(i) + 1, 0, 0);
    EXPECT_EQ(Displacements(entry), cases[i].afterOneRun);
    EXPECT_EQ(entry.flags2, cases[i].marked ? 0x0025 : 0x0021);
  }
}

TEST_F(Drop2ndsEndToEndTest, SecondRunAppliesTheRuleToTheChordAsItNowStands) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).Chord(1, 1, 0, 0, kOpenChord));
  Invoke(host::MakeRegion(1, 1, 1, 1));
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 0)), (std::vector<short>{4, -5, 0, -3}));
  Invoke(host::MakeRegion(1, 1, 1, 1));
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 0)), (std::vector<short>{4, -5, -7, -3}));
  EXPECT_EQ(Entry(1, 1, 0, 0).flags2, 0x0004);
}

TEST_F(Drop2ndsEndToEndTest, OnlyEntriesStartingInsideTheRegionChange) {
  const Notes& chord = kOpenChord;
  Open(host::DocumentBuilder()
           .Staves({1})
           .Measures(3)
           .Chord(1, 1, 0, 0, chord)                       // before the start position
           .Chord(1, 1, 0, 480, chord)                     // at it
           .Chord(1, 2, 0, 0, chord)                       // a middle measure: positions not compared
           .Chord(1, 3, 0, 700, chord, /*duration*/ 1024)  // starts inside, lasts past the end
           .Chord(1, 3, 0, 800, chord));                   // after the end position
  Invoke(host::MakeRegion(1, 1, 1, 3, 480, 700));
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 0)), (std::vector<short>{4, 2, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 1)), (std::vector<short>{4, -5, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 2, 0, 0)), (std::vector<short>{4, -5, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 3, 0, 0)), (std::vector<short>{4, -5, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 3, 0, 1)), (std::vector<short>{4, 2, 0, -3}));
}

TEST_F(Drop2ndsEndToEndTest, StavesAreTakenByIdBetweenTheEndSlotsAndHiddenLayersAreNeverLoaded) {
  const Notes& chord = kOpenChord;
  host::DocumentBuilder builder;
  builder.Staves({3, 1, 2}).Measures(2).HideLayer(1);
  for (int staff : {1, 2, 3}) {
    for (int layer : {0, 1}) builder.Chord(staff, 1, layer, 0, chord);
  }
  Open(builder);
  Invoke(host::MakeRegion(2, 1, 3, 2));  // slots 2..3 hold IDs 1 and 2
  for (int staff : {1, 2}) {
    EXPECT_EQ(Displacements(Entry(staff, 1, 0, 0)), (std::vector<short>{4, -5, 0, -3})) << staff;
    EXPECT_EQ(Displacements(Entry(staff, 1, 1, 0)), (std::vector<short>{4, 2, 0, -3})) << staff;
  }
  EXPECT_EQ(Displacements(Entry(3, 1, 0, 0)), (std::vector<short>{4, 2, 0, -3}));
  // Every visited cell is saved once per shown layer, changed or not; the
  // hidden layer is neither loaded nor saved.
  for (int staff : {1, 2}) {
    for (int measure : {1, 2}) {
      for (int layer : {0, 2, 3}) EXPECT_EQ(document().SaveCount(staff, measure, layer), 1);
      EXPECT_EQ(document().SaveCount(staff, measure, 1), 0);
    }
  }
  EXPECT_EQ(host::ExportTable::Instance().CallCount(HostFn::LoadTGF), 4 * 3);
  EXPECT_EQ(host::ExportTable::Instance().CallCount(HostFn::FreeTGF), 4 * 3);
}

TEST_F(Drop2ndsEndToEndTest, CellWhoseFrameCannotBeLoadedIsSkippedAndTheWalkGoesOn) {
  const Notes& chord = kOpenChord;
  Open(host::DocumentBuilder()
           .Staves({1})
           .Measures(3)
           .Chord(1, 1, 0, 0, chord)
           .Chord(1, 2, 0, 0, chord)
           .Chord(1, 3, 0, 0, chord));
  host::ExportTable::Instance().FailNthCall(HostFn::LoadTGF, 6);  // measure 2, layer 1
  Invoke(host::MakeRegion(1, 1, 1, 3));
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 0)), (std::vector<short>{4, -5, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 2, 0, 0)), (std::vector<short>{4, 2, 0, -3}));
  EXPECT_EQ(document().SaveCount(1, 2, 0), 0);
  EXPECT_EQ(Displacements(Entry(1, 3, 0, 0)), (std::vector<short>{4, -5, 0, -3}));
  // TearDown checks that no frame stayed lent and none was freed twice.
}

TEST_F(Drop2ndsEndToEndTest, FailedSaveIsIgnoredAndTheOtherFramesAreStillSaved) {
  const Notes& chord = kOpenChord;
  Open(host::DocumentBuilder()
           .Staves({1})
           .Measures(2)
           .Chord(1, 1, 0, 0, chord)
           .Chord(1, 1, 1, 0, chord)
           .Chord(1, 2, 0, 0, chord));
  host::ExportTable::Instance().FailNthCall(HostFn::SaveTGF, 1);  // measure 1, layer 0
  Invoke(host::MakeRegion(1, 1, 1, 2));
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 0)), (std::vector<short>{4, 2, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 1, 1, 0)), (std::vector<short>{4, -5, 0, -3}));
  EXPECT_EQ(Displacements(Entry(1, 2, 0, 0)), (std::vector<short>{4, -5, 0, -3}));
}

TEST_F(Drop2ndsEndToEndTest, NoRegionRecordGivesAnEmptyRegionThatChangesNothing) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).Chord(1, 1, 0, 0, kOpenChord));
  EXPECT_EQ(plugin->Invoke(nullptr), 1);
  EXPECT_EQ(Displacements(Entry(1, 1, 0, 0)), (std::vector<short>{4, 2, 0, -3}));
  EXPECT_EQ(document().TotalSaveCount(), 0);
}

}  // namespace
