#include <cstring>
#include <functional>
#include <vector>

#include "pdk/binding/HostFunctions.h"
#include "pdk/frames/FrameServices.h"
#include "support/HostFixture.h"
#include "support/TestFrame.h"

namespace {

using qxtest::kVersion;

using qxtest::MakeEntry;
using qxtest::TestFrame;
using qxtest::TestNote;

std::vector<short> Ids(const EXENTRY& entry) {
  std::vector<short> ids;
  for (int i = 0; i < entry.noteCount; ++i) ids.push_back(entry.notes[i].noteId);
  return ids;
}

TEST(CleanTGFTest, NoteIdsBecomeNonZeroAndUniqueEarlierDuplicatesRenumbered) {
  struct Case {
    std::vector<short> before, after;
  };
  const Case cases[] = {
      {{5, 5, 5}, {6, 7, 5}},
      {{0, 0}, {1, 2}},
      {{3, 0, 3}, {4, 5, 3}},
      {{2, 7}, {2, 7}},
      {{-4, -4}, {1, -4}},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11}},
  };
  for (const Case& c : cases) {
    TestFrame frame;
    EXENTRY entry = MakeEntry(0, {});
    entry.noteCount = static_cast<std::int16_t>(c.before.size());
    for (std::size_t i = 0; i < c.before.size(); ++i) entry.notes[i].noteId = c.before[i];
    frame.Add(entry);
    CleanTGF(frame.get());
    EXPECT_EQ(Ids(frame.entry(0)), c.after);
  }
}

TEST(CleanTGFTest, IdBitsGoIntoTheNoteFlagsAndEmptySlotsAreZeroed) {
  TestFrame frame;
  frame.Chord(0, {{1, 0, 33, 0x8000FFFF | 0x001F0000}, {2, 0, 2, 0x00010000}, {3, 0, 3, 0}});
  std::memset(&frame.entry(0).notes[3], 0x5A, sizeof(EXNOTE) * 9);  // stale bytes beyond the count
  frame.Chord(0, {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}, {11}});
  CleanTGF(frame.get());

  const EXENTRY& three = frame.entry(0);
  EXPECT_EQ(three.notes[0].flags, 0x8001FFFFu);  // 33 & 31 = 1; other bits kept
  EXPECT_EQ(three.notes[1].flags, 0x00020000u);
  EXPECT_EQ(three.notes[2].flags, 0x00030000u);
  const EXNOTE zero{};
  for (int slot = 3; slot < 12; ++slot)
    EXPECT_EQ(std::memcmp(&three.notes[slot], &zero, sizeof zero), 0) << slot;
  EXPECT_EQ(frame.entry(1).notes[11].displacement, 11);  // a full entry has no slot to zero
}

TEST(CleanTGFTest, AnySingleStaleByteInTheUnusedNoteRecordsIsCleared) {
  // Every note count with unused note records, and every byte of them; the
  // bytes outside them stay as they are.
  for (int count = 1; count < 12; ++count) {
    const int firstByte = count * static_cast<int>(sizeof(EXNOTE));
    for (int byte = firstByte; byte < 12 * static_cast<int>(sizeof(EXNOTE)); ++byte) {
      TestFrame frame;
      EXENTRY entry = MakeEntry(0, {});
      entry.noteCount = static_cast<std::int16_t>(count);
      for (int i = 0; i < count; ++i) entry.notes[i].noteId = static_cast<std::int16_t>(i + 1);
      entry.position = 1234;
      entry.clef = 77;
      reinterpret_cast<unsigned char*>(entry.notes)[byte] = 0x80;
      frame.Add(entry);
      CleanTGF(frame.get());
      const EXENTRY& cleaned = frame.entry(0);
      const EXNOTE zero{};
      for (int record = count; record < 12; ++record)
        EXPECT_EQ(std::memcmp(&cleaned.notes[record], &zero, sizeof zero), 0) << count << " " << byte;
      EXPECT_EQ(cleaned.noteCount, count);
      EXPECT_EQ(cleaned.notes[count - 1].noteId, count);
      EXPECT_EQ(cleaned.position, 1234);
      EXPECT_EQ(cleaned.clef, 77);
    }
  }
}

TEST(CleanTGFTest, EntryWithoutNotesGetsOnePlaceholderNote) {
  TestFrame frame;
  frame.Rest(0);
  frame.entry(0).flags = 0x00000800;
  CleanTGF(frame.get());
  const EXENTRY& rest = frame.entry(0);
  EXPECT_EQ(rest.noteCount, 1);
  EXPECT_EQ(rest.flags, 0x01000800u);
  EXPECT_EQ(rest.notes[0].displacement, 0);
  EXPECT_EQ(rest.notes[0].noteId, 0);
  EXPECT_EQ(rest.notes[0].flags, 0x80000000u);

  // A second clean numbers the placeholder and so sets its ID bit.
  CleanTGF(frame.get());
  EXPECT_EQ(rest.noteCount, 1);
  EXPECT_EQ(rest.notes[0].noteId, 1);
  EXPECT_EQ(rest.notes[0].flags, 0x80010000u);

  CanAddNoteRecordToRests = false;
  TestFrame other;
  other.Rest(0);
  CleanTGF(other.get());
  EXPECT_EQ(other.entry(0).noteCount, 0);
  EXPECT_EQ(other.entry(0).flags, 0u);
  CanAddNoteRecordToRests = true;
}

TEST(CleanTGFTest, FramesWithoutEntriesAndOutOfRangeCountsStayInsideTheRecords) {
  TestFrame empty;
  CleanTGF(empty.get());
  TestFrame negative;
  negative.Chord(0, {{1}});
  EXTGF2005a* header = negative.get();
  header->entryCount = -3;  // nothing is read
  negative.entry(0).notes[0].noteId = 0;
  CleanTGF(header);
  EXPECT_EQ(negative.entry(0).notes[0].noteId, 0);
  CleanTGF(nullptr);

  // Note counts beyond the 12 note records, or below 0, are brought into range.
  struct Case {
    std::int16_t count, cleaned;
  };
  for (const Case& c : {Case{13, 12}, Case{0x7FFF, 12}, Case{-1, 1}}) {
    TestFrame frame;
    frame.Chord(0, {{1}, {2}});
    frame.entry(0).noteCount = c.count;
    frame.entry(0).clef = 77;  // the field after the note records
    CleanTGF(frame.get());
    EXPECT_EQ(frame.entry(0).noteCount, c.cleaned);
    EXPECT_EQ(frame.entry(0).clef, 77);
  }
}

// Frame wrappers: the counter and the clean-up before the host sees a frame.
using FrameWrapperTest = qxtest::HostTest;

EXTGF2005a* g_lent = nullptr;
std::vector<short> g_idsSeenByHost;
EXTGF2005a* QXAPI LendFrame(std::uint32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                            std::uint32_t) {
  return g_lent;
}
std::int32_t QXAPI TakeFrame(EXTGF2005a*, std::uint32_t) { return 0; }
std::int32_t QXAPI SeeFrame(EXTGF2005a* frame, std::uint32_t) {
  g_idsSeenByHost = Ids(frame->entries[0]);
  return 1;
}
std::int32_t QXAPI SeeFrameAt(EXTGF2005a* frame, std::int32_t, std::int32_t, std::uint32_t) {
  return SeeFrame(frame, 0);
}

TEST_F(FrameWrapperTest, LoadAndFreeCountFramesFailedLoadsIncluded) {
  TestFrame frame;
  Provide("FX_LoadTGF", &LendFrame);
  Provide("FX_FreeTGF", &TakeFrame);
  g_lent = frame.get();
  EXTGF2005a* a = FX_LoadTGF(0, 1, 1, 0, 1, kVersion);
  EXTGF2005a* b = FX_LoadTGF(0, 1, 1, 0, 1, kVersion);
  EXPECT_EQ(LoadedTGFCounter, 2);
  FX_FreeTGF(a, kVersion);
  FX_FreeTGF(b, kVersion);
  EXPECT_EQ(LoadedTGFCounter, 0);
  g_lent = nullptr;
  EXPECT_EQ(FX_LoadTGF(0, 1, 1, 0, 1, kVersion), nullptr);
  EXPECT_EQ(LoadedTGFCounter, 1);
}

TEST_F(FrameWrapperTest, FrameIsCleanedBeforeEveryCallThatHandsItBack) {
  Provide("FX_SaveTGF", &SeeFrame);
  Provide("FX_ReduceEntries", &SeeFrame);
  Provide("FX_InsertEXENTRY", &SeeFrameAt);
  Provide("FX_DeleteEXENTRY", &SeeFrameAt);
  const std::vector<std::function<void(EXTGF2005a*)>> calls = {
      [](EXTGF2005a* f) { FX_SaveTGF(f, kVersion); },
      [](EXTGF2005a* f) { FX_ReduceEntries(f, kVersion); },
      [](EXTGF2005a* f) { FX_InsertEXENTRY(f, 0, 1, kVersion); },
      [](EXTGF2005a* f) { FX_DeleteEXENTRY(f, 0, 1, kVersion); },
  };
  for (const auto& call : calls) {
    TestFrame frame;
    frame.Chord(0, {{1, 0, 4}, {2, 0, 4}});
    g_idsSeenByHost.clear();
    call(frame.get());
    EXPECT_EQ(g_idsSeenByHost, (std::vector<short>{5, 4}));
  }
}

}  // namespace
