#include <array>
#include <functional>
#include <string>

#include "host/api/HostApi.h"
#include "support/SessionFixture.h"

namespace {

using qxtest::EntryNumbers;
using qxtest::kVersion;
using qxtest::SameBytes;
namespace api = host::api;

// Staff IDs 3, 1, 2 in slots 1, 2, 3. The cell of staff 1 (slot 2), measure
// 2, layer 1 holds a chord, a rest and a note (entry numbers 1, 2, 3) and
// tuplet records on entries 1 and 2.
EXTUPLET TupletAt(short entryIndex, short incident) {
  EXTUPLET tuplet{};
  tuplet.entryIndex = entryIndex;
  tuplet.incident = incident;
  tuplet.definition.words[0] = 0x00030002u;
  return tuplet;
}

host::DocumentBuilder Score() {
  return host::DocumentBuilder()
      .Staves({3, 1, 2})
      .Measures(4)
      .Chord(1, 2, 1, 0, qxtest::kOpenChord)
      .Rest(1, 2, 1, 256)
      .Chord(1, 2, 1, 512, {{1, 1}})
      .Tuplet(1, 2, 1, TupletAt(1, 0))
      .Tuplet(1, 2, 1, TupletAt(2, 1));
}

constexpr int kStaff = 1, kSlot = 2, kMeasure = 2, kLayer = 1;

// Header fields copied out of the packed record.
std::array<int, 4> Fields(const EXTGF2005a* frame) {
  return {frame->loadParameter, frame->staffSlot, frame->measure, frame->layer};
}

std::vector<int> TupletIndexes(const EXTGF2005a* frame) {
  std::vector<int> indexes;
  for (int i = 0; i < frame->tupletCount; ++i) indexes.push_back(frame->tuplets[i].entryIndex);
  return indexes;
}

bool AllZero(const EXENTRY& entry) {
  static const EXENTRY kZero{};
  return std::memcmp(&entry, &kZero, sizeof entry) == 0;
}

class FrameApiTest : public qxtest::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    Open(Score());
  }
  EXTGF2005a* LoadCell(int loadParameter = 0) {
    return api::LoadTGF(static_cast<std::uint32_t>(loadParameter), kSlot, kMeasure, kLayer, 1, kVersion);
  }
  const std::vector<EXENTRY>& Stored() { return document().Entries(kStaff, kMeasure, kLayer); }
};

TEST_F(FrameApiTest, LoadLendsAFreshBlockMirroringTheCell) {
  EXTGF2005a* a = LoadCell();
  EXTGF2005a* b = LoadCell();
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(Fields(a), (std::array<int, 4>{0, kSlot, kMeasure, kLayer}));  // the slot, not the staff ID
  EXPECT_TRUE(SameBytes(a->entries, a->entryCount, Stored()));
  ASSERT_EQ(+a->tupletCount, 2);
  EXPECT_EQ(
      std::memcmp(a->tuplets, document().Tuplets(kStaff, kMeasure, kLayer).data(), 2 * sizeof(EXTUPLET)), 0);

  // Each load is its own copy: an unsaved edit shows nowhere else.
  EXPECT_NE(a->entries, b->entries);
  EXPECT_NE(a->tuplets, b->tuplets);
  a->entries[0].notes[0].displacement = 11;
  EXPECT_EQ(+b->entries[0].notes[0].displacement, 4);
  EXPECT_EQ(+Stored()[0].notes[0].displacement, 4);

  EXPECT_EQ(session().LentFrameCount(), 2);
  EXPECT_EQ(api::FreeTGF(a, kVersion), 1);
  EXPECT_EQ(api::FreeTGF(b, kVersion), 1);
  EXPECT_EQ(session().LentFrameCount(), 0);
  EXPECT_TRUE(session().Violations().empty());
}

TEST_F(FrameApiTest, LoadReadsLow16BitsAndTheHeaderLoadsTheSameFrameAgain) {
  // 16-bit arguments in 32-bit slots: only the low half counts.
  EXTGF2005a* first = api::LoadTGF(0x10009u, 0x7FFF0000 | kSlot, 0x10000 | kMeasure,
                                   static_cast<std::int32_t>(0xFFFF0000u) | kLayer, 1, kVersion);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Fields(first), (std::array<int, 4>{9, kSlot, kMeasure, kLayer}));

  const std::array<int, 4> f = Fields(first);
  EXTGF2005a* again = api::LoadTGF(static_cast<std::uint32_t>(f[0]), f[1], f[2], f[3], 0, kVersion);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Fields(again), f);
  EXPECT_TRUE(SameBytes(again->entries, again->entryCount, Stored()));
  api::FreeTGF(first, kVersion);
  api::FreeTGF(again, kVersion);
}

TEST_F(FrameApiTest, LoadOutsideTheDocumentLendsNothing) {
  struct Case {
    const char* what;
    std::int32_t slot, measure, layer;
  };
  const Case cases[] = {
      {"slot 0", 0, 1, 0},          {"slot past the last staff", 4, 1, 0},
      {"negative slot", -1, 1, 0},  {"slot whose low half is negative", 0x8002, 1, 0},
      {"measure 0", 1, 0, 0},       {"measure past the last", 1, 5, 0},
      {"negative layer", 1, 1, -1}, {"layer past the last", 1, 1, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(api::LoadTGF(0, c.slot, c.measure, c.layer, 1, kVersion), nullptr) << c.what;
  }
  EXPECT_EQ(session().LentFrameCount(), 0);
  EXPECT_TRUE(session().Violations().empty());  // the host refuses; the module did nothing wrong

  // A cell inside the document that holds nothing lends an empty frame.
  EXTGF2005a* empty = api::LoadTGF(0, 1, 4, 3, 1, kVersion);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(+empty->entryCount, 0);
  EXPECT_EQ(+empty->tupletCount, 0);
  api::FreeTGF(empty, kVersion);

  session().Reset();  // no document open
  EXPECT_EQ(api::LoadTGF(0, 1, 1, 0, 1, kVersion), nullptr);
}

TEST_F(FrameApiTest, SaveWritesBackAndNumbersOnlyUnnumberedEntries) {
  EXTGF2005a* frame = LoadCell();
  ASSERT_NE(frame, nullptr);
  const std::uint32_t next = document().NextEntryNumber();
  ASSERT_EQ(api::InsertEXENTRY(frame, 0, 2, kVersion), 1);
  frame->entries[0].position = 0;
  frame->entries[2].notes[1].displacement = -5;

  EXPECT_EQ(api::SaveTGF(frame, kVersion), 1);
  EXPECT_EQ(EntryNumbers(Stored()), (std::vector<std::uint32_t>{next, next + 1, 1, 2, 3}));
  EXPECT_EQ(+Stored()[2].notes[1].displacement, -5);
  EXPECT_EQ(+document().Tuplets(kStaff, kMeasure, kLayer)[0].entryIndex, 3);  // moved with its entry
  // The module learns the numbers by loading again; its block is unchanged
  // and still lent.
  EXPECT_EQ(EntryNumbers(frame->entries, frame->entryCount), (std::vector<std::uint32_t>{0, 0, 1, 2, 3}));
  EXPECT_EQ(session().LentFrameCount(), 1);
  EXPECT_EQ(document().SaveCount(kStaff, kMeasure, kLayer), 1);
  EXPECT_EQ(document().SaveCount(kStaff, kMeasure, 0), 0);

  // Saved again unchanged: the still unnumbered entries get new numbers; the
  // earlier ones are never handed out again.
  EXPECT_EQ(api::SaveTGF(frame, kVersion), 1);
  EXPECT_EQ(EntryNumbers(Stored()), (std::vector<std::uint32_t>{next + 2, next + 3, 1, 2, 3}));
  EXPECT_EQ(document().SaveCount(kStaff, kMeasure, kLayer), 2);
  api::FreeTGF(frame, kVersion);

  EXTGF2005a* reloaded = LoadCell();
  EXPECT_TRUE(SameBytes(reloaded->entries, reloaded->entryCount, Stored()));
  api::FreeTGF(reloaded, kVersion);
  EXPECT_TRUE(session().EndRun());
}

TEST_F(FrameApiTest, NumbersStayUniqueWhenSavedEntriesBringTheirOwn) {
  EXTGF2005a* frame = api::LoadTGF(0, 1, 1, 0, 1, kVersion);
  ASSERT_EQ(api::InsertEXENTRY(frame, 0, 2, kVersion), 1);
  frame->entries[0].entryNumber = 1000;
  ASSERT_EQ(api::SaveTGF(frame, kVersion), 1);
  EXPECT_EQ(EntryNumbers(document().Entries(3, 1, 0)), (std::vector<std::uint32_t>{1000, 1001}));

  // No numbers left: the save fails and the document keeps what it had.
  frame->entries[0].entryNumber = 0xFFFFFFFFu;
  EXPECT_EQ(api::SaveTGF(frame, kVersion), 0);
  EXPECT_EQ(EntryNumbers(document().Entries(3, 1, 0)), (std::vector<std::uint32_t>{1000, 1001}));
  EXPECT_EQ(document().SaveCount(3, 1, 0), 1);
  EXPECT_EQ(document().NextEntryNumber(), 1002u);
  api::FreeTGF(frame, kVersion);
}

TEST_F(FrameApiTest, CallsOnAFrameThatIsNotLentAreViolationsAndChangeNothing) {
  struct Operation {
    const char* function;
    std::function<std::int32_t(EXTGF2005a*)> call;
  };
  const Operation operations[] = {
      {"FX_SaveTGF", [](EXTGF2005a* f) { return api::SaveTGF(f, kVersion); }},
      {"FX_FreeTGF", [](EXTGF2005a* f) { return api::FreeTGF(f, kVersion); }},
      {"FX_InsertEXENTRY", [](EXTGF2005a* f) { return api::InsertEXENTRY(f, 0, 1, kVersion); }},
      {"FX_DeleteEXENTRY", [](EXTGF2005a* f) { return api::DeleteEXENTRY(f, 0, 1, kVersion); }},
      {"FX_GetTGFDuration", [](EXTGF2005a* f) { return api::GetTGFDuration(f, kVersion); }},
  };
  // A header the host never lent, naming a real cell.
  EXENTRY foreignEntries[1] = {};
  EXTGF2005a foreign{};
  foreign.staffSlot = kSlot;
  foreign.measure = kMeasure;
  foreign.layer = kLayer;
  foreign.entries = foreignEntries;
  foreign.entryCount = 1;

  for (const Operation& op : operations) {
    EXTGF2005a* freed = LoadCell();
    ASSERT_EQ(api::FreeTGF(freed, kVersion), 1);
    for (EXTGF2005a* frame : {&foreign, freed, static_cast<EXTGF2005a*>(nullptr)}) {
      const std::size_t before = session().Violations().size();
      EXPECT_EQ(op.call(frame), 0) << op.function;
      ASSERT_EQ(session().Violations().size(), before + 1) << op.function;
      EXPECT_NE(session().Violations().back().find(op.function), std::string::npos);
    }
  }
  EXPECT_EQ(document().TotalSaveCount(), 0);
  EXPECT_EQ(EntryNumbers(Stored()), (std::vector<std::uint32_t>{1, 2, 3}));
  EXPECT_EQ(session().LentFrameCount(), 0);
  EXPECT_FALSE(session().EndRun());
}

TEST_F(FrameApiTest, AHeaderChangedByTheModuleIsRefusedButStillTakenBack) {
  EXTGF2005a* frame = LoadCell();
  frame->entryCount = 1;
  EXPECT_EQ(api::SaveTGF(frame, kVersion), 0);
  EXPECT_EQ(api::InsertEXENTRY(frame, 0, 1, kVersion), 0);
  EXPECT_EQ(document().SaveCount(kStaff, kMeasure, kLayer), 0);
  EXPECT_EQ(api::FreeTGF(frame, kVersion), 1);
  EXPECT_EQ(session().LentFrameCount(), 0);
  EXPECT_EQ(session().Violations().size(), 3u);
}

TEST_F(FrameApiTest, InsertAndDeleteMoveTheArrayAndKeepCountsAndTupletsRight) {
  enum Kind { kInsert, kDelete };
  struct Case {
    const char* what;
    Kind kind;
    std::int32_t index, count;
    bool ok;
    std::vector<std::uint32_t> numbers;  // entry numbers afterwards
    std::vector<int> tuplets;            // tuplet entry indexes afterwards
  };
  const std::vector<std::uint32_t> unchanged{1, 2, 3};
  const Case cases[] = {
      {"insert at the front", kInsert, 0, 2, true, {0, 0, 1, 2, 3}, {3, 4}},
      {"insert in the middle", kInsert, 2, 1, true, {1, 2, 0, 3}, {1, 3}},
      {"insert at the end", kInsert, 3, 1, true, {1, 2, 3, 0}, {1, 2}},
      {"insert nothing", kInsert, 1, 0, true, unchanged, {1, 2}},
      {"delete in the middle", kDelete, 1, 1, true, {1, 3}, {1}},
      {"delete everything", kDelete, 0, 3, true, {}, {}},
      {"delete nothing at the end", kDelete, 3, 0, true, unchanged, {1, 2}},
      {"insert before the start", kInsert, -1, 1, false, unchanged, {1, 2}},
      {"insert past the end", kInsert, 4, 1, false, unchanged, {1, 2}},
      {"insert a negative count", kInsert, 0, -1, false, unchanged, {1, 2}},
      {"insert past 32767 entries", kInsert, 0, 32767, false, unchanged, {1, 2}},
      {"delete before the start", kDelete, -1, 1, false, unchanged, {1, 2}},
      {"delete past the end", kDelete, 2, 2, false, unchanged, {1, 2}},
      {"delete a negative count", kDelete, 0, -1, false, unchanged, {1, 2}},
  };
  for (const Case& c : cases) {
    EXTGF2005a* frame = LoadCell();
    const EXENTRY* old = frame->entries;
    const std::int32_t result = c.kind == kInsert ? api::InsertEXENTRY(frame, c.index, c.count, kVersion)
                                                  : api::DeleteEXENTRY(frame, c.index, c.count, kVersion);
    EXPECT_EQ(result, c.ok ? 1 : 0) << c.what;
    EXPECT_EQ(frame->entries != old, c.ok) << c.what;  // every success moves the array
    EXPECT_EQ(EntryNumbers(frame->entries, frame->entryCount), c.numbers) << c.what;
    EXPECT_EQ(TupletIndexes(frame), c.tuplets) << c.what;
    for (int i = 0; i < frame->entryCount; ++i) {
      if (frame->entries[i].entryNumber == 0) {
        EXPECT_TRUE(AllZero(frame->entries[i])) << c.what;
      }
    }
    api::FreeTGF(frame, kVersion);
  }
  EXPECT_TRUE(session().Violations().empty());  // bad arguments are refused, not violations
  EXPECT_EQ(document().TotalSaveCount(), 0);
}

TEST_F(FrameApiTest, DurationIsTheEndOfTheLatestEndingEntry) {
  struct Timed {
    std::int32_t position, duration;
  };
  struct Case {
    const char* what;
    std::vector<Timed> entries;
    std::int32_t duration;
  };
  const Case cases[] = {
      {"no entries", {}, 0},
      {"one after the other", {{0, 256}, {256, 256}, {512, 512}}, 1024},
      {"a long first entry outlasts a later one", {{0, 1024}, {256, 256}}, 1024},
      {"a negative duration counts as none", {{128, -50}}, 128},
  };
  for (const Case& c : cases) {
    host::DocumentBuilder builder;
    builder.Staves({1}).Measures(1);
    for (const Timed& t : c.entries) builder.Rest(1, 1, 0, t.position, t.duration);
    Open(builder);
    EXTGF2005a* frame = api::LoadTGF(0, 1, 1, 0, 1, kVersion);
    EXPECT_EQ(api::GetTGFDuration(frame, kVersion), c.duration) << c.what;
    api::FreeTGF(frame, kVersion);
  }

  // The lent block counts, saved or not.
  Open(Score());
  EXTGF2005a* frame = LoadCell();
  EXPECT_EQ(api::GetTGFDuration(frame, kVersion), 768);
  frame->entries[2].position = 1000;
  EXPECT_EQ(api::GetTGFDuration(frame, kVersion), 1256);
  api::FreeTGF(frame, kVersion);
  EXPECT_TRUE(session().EndRun());
}

TEST_F(FrameApiTest, FramesStillLentAreViolationsWhenTheRunEndsOrTheDocumentChanges) {
  EXTGF2005a* kept = LoadCell();
  EXTGF2005a* freed = api::LoadTGF(0, 1, 1, 0, 1, kVersion);
  ASSERT_NE(kept, nullptr);
  api::FreeTGF(freed, kVersion);

  EXPECT_FALSE(session().EndRun());
  ASSERT_EQ(session().Violations().size(), 1u);
  EXPECT_NE(session().Violations()[0].find("staff 1 (slot 2), measure 2, layer 1"), std::string::npos);
  EXPECT_EQ(session().LentFrameCount(), 0);
  EXPECT_EQ(api::FreeTGF(kept, kVersion), 0);  // released by the host: no longer the module's

  session().Reset();
  Open(Score());
  LoadCell();
  Open(Score());
  EXPECT_EQ(session().LentFrameCount(), 0);
  EXPECT_EQ(session().Violations().size(), 1u);

  session().Reset();
  Open(Score());
  api::FreeTGF(LoadCell(), kVersion);
  EXPECT_TRUE(session().EndRun());
}

}  // namespace
