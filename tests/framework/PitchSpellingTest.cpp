#include <string>

#include "framework/notes/FCNoteEntry.h"
#include "host/document/RecordStore.h"
#include "interface/MeasureRecords.h"
#include "interface/RecordTags.h"
#include "support/HostFixture.h"
#include "support/TestFrame.h"

namespace {

using host::NumberedKey;

template <typename Record>
std::string Bytes(const Record& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class PitchSpellingTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  void PutKey(std::uint16_t measure, std::uint16_t keyValue) {
    EDTMeasure record{};
    record.keySignature = static_cast<std::int16_t>(keyValue);
    document().Records().Put(quavix::tag::kMeasure, NumberedKey(measure), Bytes(record));
  }
};

TEST_F(PitchSpellingTest, LettersAndAlterationsComeFromTheMeasuresKey) {
  struct Case {
    std::uint16_t key;
    short displacement, raiseLower;
    char letter;
    short alteration;
  };
  const Case cases[] = {
      {0x0001, 6, 0, 'F', 1},  {0x0001, 0, 0, 'G', 0},  {0x00FD, 0, 0, 'E', -1}, {0x00FD, 1, 0, 'F', 0},
      {0x0007, 3, 0, 'F', 1},  {0x0007, 0, 0, 'C', 1},  {0x0008, 6, 0, 'F', 2},  {0x0008, 0, 0, 'G', 1},
      {0x0000, -1, 0, 'B', 0}, {0x0000, -8, 0, 'B', 0}, {0x0000, 7, 0, 'C', 0},  {0x0101, 1, 0, 'F', 1},
      {0x0001, 6, -1, 'F', 0},                          // F natural in G major
      {0x0200, 0, 2, 'G', 0},  {0xFFFF, 0, 0, 'G', 0},  // non-standard keys
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " at " + std::to_string(c.displacement));
    PutKey(4, c.key);
    qxtest::TestFrame frame(1, 4);
    frame.Chord(0, {{c.displacement, c.raiseLower}});
    FCNoteEntry entry(frame.get(), 0, nullptr);
    EXPECT_EQ(entry.GetItemAt(0)->CalcPitchChar(), c.letter);
    EXPECT_EQ(entry.GetItemAt(0)->CalcPitchRaiseLower(), c.alteration);
  }
}

TEST_F(PitchSpellingTest, RestsAndEntriesWithoutAMeasureSpellNothing) {
  PutKey(1, 0x0001);
  qxtest::TestFrame frame(1, 1);
  frame.Chord(0, {{6}});
  frame.entry(0).flags &= ~quavix::entryflag::kNoteEntry;  // a rest that still holds a note record
  FCNoteEntry rest(frame.get(), 0, nullptr);
  ASSERT_EQ(rest.GetCount(), 1);
  EXPECT_EQ(rest.GetItemAt(0)->CalcPitchChar(), 0);
  EXPECT_EQ(rest.GetItemAt(0)->CalcPitchRaiseLower(), 0);
  qxtest::TestFrame elsewhere(1, 9);  // measure 9 has no record
  elsewhere.Chord(0, {{6}});
  FCNoteEntry orphan(elsewhere.get(), 0, nullptr);
  EXPECT_EQ(orphan.GetItemAt(0)->CalcPitchChar(), 0);
  EXPECT_EQ(orphan.GetItemAt(0)->CalcPitchRaiseLower(), 0);
}

TEST_F(PitchSpellingTest, TheActualDisplacementAddsTheClefAndTheTransposition) {
  EDTClefDef bass{};
  bass.displacementOffset = -12;
  document().Records().Put(quavix::tag::kClefDef, NumberedKey(3), Bytes(bass));
  EDTStaff staffHere{};
  staffHere.transposition = 0x2000 | 0x00FF;  // one step down
  document().Records().Put(quavix::tag::kCurrentStaffSpec, host::RecordKey{1, 0, 2, 0, 0, 0, 0, 0},
                           Bytes(staffHere));
  qxtest::TestFrame frame(1, 2);
  frame.Chord(0, {{5}});
  frame.entry(0).clef = 3;
  FCNoteEntry entry(frame.get(), 0, nullptr);
  EXPECT_EQ(entry.GetItemAt(0)->CalcActualDisplacement(), 5 - 12 - 1);
  // Records that do not load add nothing.
  frame.entry(0).clef = 8;
  qxtest::TestFrame other(1, 3);
  other.Chord(0, {{5}});
  FCNoteEntry plain(other.get(), 0, nullptr);
  EXPECT_EQ(plain.GetItemAt(0)->CalcActualDisplacement(), 5);
}

}  // namespace
