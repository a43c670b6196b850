#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "framework/notes/FCNoteEntry.h"
#include "support/TestFrame.h"

namespace {

using qxtest::TestFrame;
using qxtest::TestNote;
using Pitch = std::pair<short, short>;  // displacement, raise/lower

Pitch PitchOf(const FCNote* note) { return {note->GetDisplacement(), note->GetRaiseLower()}; }

// One chord in a frame of its own, as an entry object.
struct Chord {
  explicit Chord(std::initializer_list<TestNote> notes) {
    frame.Chord(0, notes);
    entry = std::make_unique<FCNoteEntry>(frame.get(), 0, nullptr);
  }
  EXENTRY& record() { return frame.entry(0); }
  TestFrame frame;
  std::unique_ptr<FCNoteEntry> entry;
};

TEST(FCNoteEntryTest, NoteObjectsMirrorTheValidSlots) {
  Chord c({{4}, {2}, {0}});
  ASSERT_EQ(c.entry->GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(c.entry->GetItemAt(i)->_GetNoteIndex(), i);
    EXPECT_EQ(c.entry->GetItemAt(i)->_GetRecord(), &c.record().notes[i]);
    EXPECT_EQ(c.entry->GetItemAt(i)->GetEntry(), c.entry.get());
  }
  // Counts outside 0..12 never reach past the note slots.
  for (std::int16_t count : {std::int16_t{13}, std::int16_t{-2}, std::int16_t{0x7FFF}}) {
    c.record().noteCount = count;
    c.entry->_UpdateNoteCollection();
    EXPECT_EQ(c.entry->GetCount(), count < 0 ? 0 : 12);
  }
}

TEST(FCNoteEntryTest, HighestAndLowestNoteFollowPitchOrderEarliestSlotWinningTies) {
  Chord c({{2, 0}, {2, 1}, {5, -1}});
  FCNote* top = c.entry->FindHighestNote(nullptr);
  EXPECT_EQ(PitchOf(top), Pitch(5, -1));
  FCNote* second = c.entry->FindHighestNote(top);
  EXPECT_EQ(PitchOf(second), Pitch(2, 1));
  FCNote* third = c.entry->FindHighestNote(second);
  EXPECT_EQ(PitchOf(third), Pitch(2, 0));
  EXPECT_EQ(c.entry->FindHighestNote(third), nullptr);

  Chord same({{3, 0}, {3, 0}});
  EXPECT_EQ(same.entry->FindHighestNote(nullptr), same.entry->GetItemAt(0));
  EXPECT_EQ(same.entry->FindLowestNote(), same.entry->GetItemAt(0));

  Chord low({{-2, 1}, {-2, 0}, {4, 0}});
  EXPECT_EQ(PitchOf(low.entry->FindLowestNote()), Pitch(-2, 0));

  Chord extreme({{-10000}, {10000}});
  EXPECT_EQ(extreme.entry->FindHighestNote(nullptr), extreme.entry->GetItemAt(1));
  EXPECT_EQ(extreme.entry->FindLowestNote(), extreme.entry->GetItemAt(0));
  Chord outOfRange({{-10001}});
  EXPECT_EQ(outOfRange.entry->FindHighestNote(nullptr), nullptr);
}

TEST(FCNoteEntryTest, DisplacementSummaries) {
  Chord c({{7}, {-3}, {2}});
  EXPECT_EQ(c.entry->CalcDisplacementRange(), 10);
  EXPECT_EQ(c.entry->CalcHighestDisplacement(), 7);
  Chord single({{-5}});
  EXPECT_EQ(single.entry->CalcDisplacementRange(), 0);
  EXPECT_EQ(single.entry->CalcHighestDisplacement(), -5);
  Chord rest({});
  EXPECT_EQ(rest.entry->CalcDisplacementRange(), 0);
  EXPECT_EQ(rest.entry->CalcHighestDisplacement(), 0);
}

TEST(FCNoteEntryTest, UniqueNoteIdIsTheSmallestUnused) {
  struct Case {
    std::initializer_list<TestNote> notes;
    short id;
  };
  const Case cases[] = {{{{0, 0, 1}, {0, 0, 2}, {0, 0, 4}}, 3},
                        {{{0, 0, 2}, {0, 0, 3}}, 1},
                        {{}, 1},
                        {{{0, 0, 3}, {0, 0, 2}, {0, 0, 1}}, 4}};
  for (const Case& k : cases) {
    Chord c(k.notes);
    EXPECT_EQ(c.entry->_FindUniqueNoteID(), k.id);
  }
}

TEST(FCNoteEntryTest, AddNewNoteFillsTheNextSlotUpToTwelveNotesAndOnlyInNoteEntries) {
  Chord c({{5, 0, 1}, {7, 0, 3}});
  std::memset(&c.record().notes[2], 0x77, sizeof(EXNOTE));  // stale bytes in the slot
  FCNote* note = c.entry->AddNewNote();
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->GetNoteID(), 2);
  EXPECT_EQ(note->_GetFlags(), 0x80000000u);
  EXPECT_EQ(PitchOf(note), Pitch(0, 0));
  EXPECT_EQ(c.record().noteCount, 3);
  EXPECT_EQ(c.entry->GetItemAt(2), note);

  Chord full({{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}, {11}});
  EXPECT_EQ(full.entry->AddNewNote(), nullptr);
  EXPECT_EQ(full.record().noteCount, 12);

  Chord rest({});
  EXPECT_EQ(rest.entry->AddNewNote(), nullptr);
  EXPECT_EQ(rest.record().noteCount, 0);

  // A record whose count is corrupt still gets the slot after its valid notes.
  Chord corrupt({{1}});
  corrupt.record().noteCount = -4;
  corrupt.entry->_UpdateNoteCollection();
  ASSERT_NE(corrupt.entry->AddNewNote(), nullptr);
  EXPECT_EQ(corrupt.record().noteCount, 1);
}

TEST(FCNoteEntryTest, AddPitchesCopiesPitchesOnlyAndStopsAtTheLimit) {
  Chord target({{0, 0, 1}});
  Chord source({{3, 1, 9, 0x40000000}, {5, -1, 8, 0}});
  EXPECT_EQ(target.entry->AddPitches(source.entry.get()), 2);
  EXPECT_EQ(PitchOf(target.entry->GetItemAt(1)), Pitch(3, 1));
  EXPECT_EQ(target.entry->GetItemAt(1)->GetNoteID(), 2);
  EXPECT_EQ(target.entry->GetItemAt(1)->_GetFlags(), 0x80000000u);  // not the source's tie

  Chord eleven({{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}});
  EXPECT_EQ(eleven.entry->AddPitches(source.entry.get()), 1);
  Chord rest({});
  EXPECT_EQ(target.entry->AddPitches(rest.entry.get()), 0);
  EXPECT_EQ(rest.entry->AddPitches(source.entry.get()), 0);
}

TEST(FCNoteEntryTest, TiesAndAccidentalsOnlyInNoteEntries) {
  Chord c({{1, 0, 1, 0x01000000}, {2}});
  EXPECT_FALSE(c.entry->IsTied());
  c.entry->TieAll(true);
  EXPECT_TRUE(c.entry->IsTied());
  EXPECT_EQ(c.record().notes[0].flags, 0x41000000u);
  c.entry->SetAccidentals(false);
  EXPECT_EQ(c.record().notes[0].flags, 0x40000000u);
  c.entry->TieAll(false);
  EXPECT_FALSE(c.entry->IsTied());

  Chord rest({});
  rest.record().notes[0].flags = 0x40000000;  // a stale slot
  rest.entry->TieAll(true);
  EXPECT_FALSE(rest.entry->IsTied());
  EXPECT_EQ(rest.record().notes[1].flags, 0u);
}

TEST(FCNoteEntryTest, DeletingNotesPacksTheRecord) {
  Chord c({{1}, {2}, {3}});
  c.record().flags |= 0x00200000;
  EXPECT_TRUE(c.entry->DeleteNote(c.entry->GetItemAt(1)));
  EXPECT_EQ(c.record().noteCount, 2);
  EXPECT_EQ(c.record().notes[1].displacement, 3);  // the third note moved down
  EXPECT_EQ(c.record().notes[2].displacement, 3);  // its old slot keeps its bytes
  ASSERT_EQ(c.entry->GetCount(), 2);
  EXPECT_EQ(PitchOf(c.entry->GetItemAt(1)), Pitch(3, 0));

  Chord other({{9}});
  EXPECT_FALSE(c.entry->DeleteNote(other.entry->GetItemAt(0)));
  EXPECT_FALSE(c.entry->DeleteNote(nullptr));

  Chord single({{4}});
  single.record().flags |= 0x00001000;
  EXPECT_TRUE(single.entry->DeleteNote(single.entry->GetItemAt(0)));
  EXPECT_EQ(single.record().noteCount, 0);
  EXPECT_EQ(single.record().flags, 0x00001000u);  // only the note-entry bit is cleared
  EXPECT_TRUE(single.entry->IsRest());

  // Packing with nothing marked changes nothing and keeps the note objects.
  Chord kept({{1}, {2}});
  FCNote* first = kept.entry->GetItemAt(0);
  kept.entry->_PackEXENTRYNotes();
  EXPECT_EQ(kept.entry->GetItemAt(0), first);
}

TEST(FCNoteEntryTest, CopyingNotesAndMakingRests) {
  Chord target({{0}, {1}, {2}, {3}, {4}});
  Chord source({{7, 1, 9, 0x40000000}});
  target.entry->CopyNote(source.entry->GetItemAt(0));
  EXPECT_EQ(target.record().noteCount, 1);
  EXPECT_EQ(target.record().notes[0].noteId, 1);
  EXPECT_EQ(target.record().notes[0].flags, 0x40000000u);
  EXPECT_EQ(PitchOf(target.entry->GetItemAt(0)), Pitch(7, 1));

  // A note of the entry itself may be copied into slot 0.
  Chord self({{1}, {2}, {3}});
  self.entry->CopyNote(self.entry->GetItemAt(2));
  EXPECT_EQ(PitchOf(self.entry->GetItemAt(0)), Pitch(3, 0));

  Chord chord({{4, 0, 5}, {6, 1, 6}});
  target.entry->CopyNotes(chord.entry.get());
  ASSERT_EQ(target.entry->GetCount(), 2);
  EXPECT_EQ(target.record().notes[1].noteId, 6);
  EXPECT_EQ(PitchOf(target.entry->GetItemAt(1)), Pitch(6, 1));

  Chord rest({{1}, {2}});
  rest.record().flags = 0x40601001;
  rest.entry->MakeRest();
  EXPECT_EQ(rest.entry->GetCount(), 0);
  EXPECT_EQ(rest.record().noteCount, 0);
  EXPECT_EQ(rest.record().flags, 0x00000001u);
}

TEST(FCNoteEntryTest, FindPitchLooksOnlyInNoteEntries) {
  Chord c({{1, 0}, {3, 1}, {3, 1}});
  Chord probe({{3, 1}});
  EXPECT_EQ(c.entry->FindPitch(probe.entry->GetItemAt(0)), c.entry->GetItemAt(1));
  Chord other({{3, 0}});
  EXPECT_EQ(c.entry->FindPitch(other.entry->GetItemAt(0)), nullptr);
  c.record().flags = 0;
  EXPECT_EQ(c.entry->FindPitch(probe.entry->GetItemAt(0)), nullptr);
}

TEST(FCNoteEntryTest, EntryFlagsSetThroughNotes) {
  Chord c({{1}});
  FCNote* note = c.entry->GetItemAt(0);
  note->_SetNoteDetailEntryFlag(true);
  note->_SetArticulationEntryFlag(true);
  note->_SetSpecialAltsEntryFlag(true);
  EXPECT_EQ(c.record().flags, 0x40601000u);
  note->_SetArticulationEntryFlag(false);
  EXPECT_EQ(c.record().flags, 0x40401000u);
  EXPECT_EQ(note->_GetEntryNumber(), 1u);
}

// A frame of several entries, each an entry object chained to the previous.
struct Chain {
  explicit Chain(TestFrame& f) : frame(f.get()) {
    FCNoteEntry* previous = nullptr;
    for (int i = 0; i < frame->entryCount; ++i) {
      entries.push_back(std::make_unique<FCNoteEntry>(frame, i, previous));
      if (previous) previous->_SetNext(entries.back().get());
      previous = entries.back().get();
    }
  }
  FCNoteEntry* operator[](int i) { return entries[static_cast<std::size_t>(i)].get(); }
  EXTGF2005a* frame;
  std::vector<std::unique_ptr<FCNoteEntry>> entries;
};

TEST(FCNoteEntryTest, StemFlipRules) {
  TestFrame f(3, 2, 0);
  f.Chord(0, {{1}}).Chord(256, {{1}}).Chord(512, {{1}}).Rest(768);
  f.entry(0).flags |= 0x00000800 | 0x00000001;  // frozen, stem up
  f.entry(0).stemValue = 2000;
  f.entry(1).stemValue = 2000;
  f.entry(2).stemValue = 100;
  Chain c(f);
  EXPECT_EQ(c[0]->GetMeasure(), 2);
  EXPECT_EQ(c[0]->GetStaff(), 3);
  EXPECT_TRUE(c[0]->CalcFlippable());   // frozen
  EXPECT_FALSE(c[1]->CalcFlippable());  // the next entry is in the same measure
  EXPECT_FALSE(c[3]->CalcFlippable());  // a rest
  EXPECT_TRUE(c[1]->CalcStemUp());      // from the frozen entry before it
  EXPECT_TRUE(c[2]->CalcStemUp());      // not flippable: the chain back to the frozen entry

  // The last entry: no next one, so the stem values decide.
  TestFrame g;
  g.Chord(0, {{1}}).Chord(256, {{1}});
  g.entry(0).stemValue = 1024;
  g.entry(1).stemValue = 5;
  Chain d(g);
  EXPECT_TRUE(d[1]->CalcFlippable());
  EXPECT_FALSE(d[1]->CalcStemUp());  // flippable: its own bit
  g.entry(0).stemValue = 1023;
  EXPECT_FALSE(d[1]->CalcFlippable());
  g.entry(1).stemValue = 1023;
  EXPECT_FALSE(d[1]->CalcFlippable());  // equal values
  EXPECT_TRUE(d[0]->CalcFlippable());   // no previous entry
}

TEST(FCNoteEntryTest, TupletDefinitionsAndFrameIndex) {
  TestFrame f;
  f.Chord(0, {{1}}).Chord(256, {{1}}).Chord(512, {{1}});
  f.Tuplet(1, 0, 111).Tuplet(1, 2, 222).Tuplet(7, 2, 999);  // the last points past the entries
  Chain c(f);
  EDTTuplet2005 definition{};
  EXPECT_TRUE(c[1]->_GetTupletDef(2, &definition));
  EXPECT_EQ(definition.words[0], 222u);
  EXPECT_FALSE(c[1]->_GetTupletDef(1, &definition));
  EXPECT_FALSE(c[2]->_GetTupletDef(2, &definition));
  EXPECT_EQ(c[0]->_CalcTGFIndex(), 0);
  EXPECT_EQ(c[2]->_CalcTGFIndex(), 2);
  c.frame->entryCount = 2;
  EXPECT_EQ(c[2]->_CalcTGFIndex(), -1);
  c.frame->entryCount = 0;
  EXPECT_EQ(c[0]->_CalcTGFIndex(), -1);
}

}  // namespace
