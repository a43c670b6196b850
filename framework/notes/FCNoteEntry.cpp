#include "framework/notes/FCNoteEntry.h"

#include <cstdint>
#include <cstring>

#include "pdk/frames/FrameServices.h"

using pdk::EntryNoteCount;
using quavix::kMaxNotesPerEntry;
namespace entryflag = quavix::entryflag;
namespace noteflag = quavix::noteflag;

namespace {

// Bounds of the searches over displacements: a note at or beyond them is
// never chosen as the highest or lowest, and an entry with no note inside
// them has a highest displacement of 0 and a range of 0.
constexpr int kBelowEveryDisplacement = -10000;
constexpr int kAboveEveryDisplacement = 10000;

QxULong* EntryFlags(EXENTRY* entry) { return quavix::FieldAt<QxULong>(entry, offsetof(EXENTRY, flags)); }
QxULong* NoteFlags(EXNOTE* note) { return quavix::FieldAt<QxULong>(note, offsetof(EXNOTE, flags)); }

}  // namespace

// --- FCNote ------------------------------------------------------------------

FCNote::FCNote(int noteIndex, EXNOTE* record, FCNoteEntry* owner)
    : _noteIndex(noteIndex), _record(record), _owner(owner) {}

bool FCNote::IsIdenticalPitch(FCNote* other) const {
  return GetDisplacement() == other->GetDisplacement() && GetRaiseLower() == other->GetRaiseLower();
}

bool FCNote::IsLowerPitchThan(FCNote* other) const {
  if (GetDisplacement() != other->GetDisplacement()) return GetDisplacement() < other->GetDisplacement();
  return GetRaiseLower() < other->GetRaiseLower();
}

std::uint32_t FCNote::_GetEntryNumber() const { return _owner ? _owner->GetEntryNumber() : 0; }

void FCNote::SetOwnerEntryFlag(QxULong mask, bool set) {
  if (_owner == nullptr || _owner->_GetEntryRecord() == nullptr) return;
  Set32BitFlag(EntryFlags(_owner->_GetEntryRecord()), mask, set);
}

void FCNote::_SetNoteDetailEntryFlag(bool set) { SetOwnerEntryFlag(entryflag::kNoteDetail, set); }
void FCNote::_SetSpecialAltsEntryFlag(bool set) { SetOwnerEntryFlag(entryflag::kSpecialAlts, set); }
void FCNote::_SetArticulationEntryFlag(bool set) { SetOwnerEntryFlag(entryflag::kArticulation, set); }

// --- FCNoteEntry -------------------------------------------------------------

FCNoteEntry::FCNoteEntry(EXTGF2005a* frame, int index, FCNoteEntry* previous)
    : _entry(&frame->entries[index]),
      _frame(frame),
      _measure(frame->measure),
      _staff(frame->staffSlot),
      _previous(previous) {
  _UpdateNoteCollection();
}

FCNoteEntry::~FCNoteEntry() {
  delete _articulations;
  _articulations = nullptr;
}

void FCNoteEntry::_SetArticulationCache(__FCCollection* cache) {
  if (cache != _articulations) delete _articulations;
  _articulations = cache;
}

bool FCNoteEntry::IsNote() const { return (_entry->flags & entryflag::kNoteEntry) != 0; }

void FCNoteEntry::_UpdateNoteCollection() {
  _FreeElements();
  _SetCount(0);
  // A note count outside 0..12 never takes the objects past the 12 records.
  for (int i = 0; i < EntryNoteCount(_entry); ++i) Add(new FCNote(i, &_entry->notes[i], this));
}

FCNote* FCNoteEntry::FindHighestNote(FCNote* bound) {
  int best = kBelowEveryDisplacement;
  FCNote* chosen = nullptr;
  for (int i = 0; i < GetCount(); ++i) {
    FCNote* note = GetItemAt(i);
    if (bound != nullptr && !note->IsLowerPitchThan(bound)) continue;
    if (note->GetDisplacement() > best) {
      chosen = note;
      best = note->GetDisplacement();
    } else if (chosen != nullptr && note->GetDisplacement() == best &&
               note->GetRaiseLower() > chosen->GetRaiseLower()) {
      chosen = note;
    }
  }
  return chosen;
}

FCNote* FCNoteEntry::FindLowestNote() {
  int best = kAboveEveryDisplacement;
  FCNote* chosen = nullptr;
  for (int i = 0; i < GetCount(); ++i) {
    FCNote* note = GetItemAt(i);
    if (note->GetDisplacement() < best) {
      chosen = note;
      best = note->GetDisplacement();
    } else if (chosen != nullptr && note->GetDisplacement() == best &&
               note->GetRaiseLower() < chosen->GetRaiseLower()) {
      chosen = note;
    }
  }
  return chosen;
}

short FCNoteEntry::CalcHighestDisplacement() {
  int highest = kBelowEveryDisplacement;
  for (int i = 0; i < GetCount(); ++i) {
    if (GetItemAt(i)->GetDisplacement() > highest) highest = GetItemAt(i)->GetDisplacement();
  }
  return highest == kBelowEveryDisplacement ? 0 : static_cast<short>(highest);
}

short FCNoteEntry::CalcDisplacementRange() {
  int highest = kBelowEveryDisplacement, lowest = kAboveEveryDisplacement;
  for (int i = 0; i < GetCount(); ++i) {
    const int d = GetItemAt(i)->GetDisplacement();
    if (d > highest) highest = d;
    if (d < lowest) lowest = d;
  }
  if (GetCount() == 0 || highest == kBelowEveryDisplacement) return 0;
  return static_cast<short>(highest - lowest);
}

short FCNoteEntry::_FindUniqueNoteID() {
  short candidate = 1;
  for (int i = 0; i < GetCount(); ++i) {
    if (GetItemAt(i)->GetNoteID() == candidate) {
      ++candidate;
      i = -1;  // look through all notes again
    }
  }
  return candidate;
}

FCNote* FCNoteEntry::AddNewNote() {
  // The note objects mirror the valid note records, so their count is the
  // record to fill even when the entry's count is out of range.
  const int index = GetCount();
  if (index > kMaxNotesPerEntry - 1 || !IsNote()) return nullptr;
  std::memset(&_entry->notes[index], 0, sizeof(EXNOTE));
  auto* note = new FCNote(index, &_entry->notes[index], this);
  Set32BitFlag(NoteFlags(note->_GetRecord()), noteflag::kCreated, true);
  note->_GetRecord()->noteId = _FindUniqueNoteID();
  Add(note);
  _entry->noteCount = static_cast<std::int16_t>(index + 1);
  return note;
}

int FCNoteEntry::AddPitches(FCNoteEntry* other) {
  if (!IsNote() || !other->IsNote() || other->GetCount() == 0) return 0;
  int added = 0;
  for (int i = 0; i < other->GetCount(); ++i) {
    FCNote* source = other->GetItemAt(i);
    FCNote* note = AddNewNote();
    if (note == nullptr) break;
    note->SetDisplacement(source->GetDisplacement());
    note->SetRaiseLower(source->GetRaiseLower());
    ++added;
  }
  return added;
}

void FCNoteEntry::SetNoteFlagOnAll(QxULong mask, bool set) {
  if (!IsNote()) return;
  for (int i = 0; i < GetCount(); ++i) Set32BitFlag(NoteFlags(GetItemAt(i)->_GetRecord()), mask, set);
}

void FCNoteEntry::TieAll(bool tie) { SetNoteFlagOnAll(noteflag::kTie, tie); }

void FCNoteEntry::SetAccidentals(bool show) { SetNoteFlagOnAll(noteflag::kAccidental, show); }

bool FCNoteEntry::IsTied() {
  if (!IsNote()) return false;
  for (int i = 0; i < GetCount(); ++i) {
    if ((GetItemAt(i)->_GetFlags() & noteflag::kTie) != 0) return true;
  }
  return false;
}

void FCNoteEntry::CopyNotes(FCNoteEntry* other) {
  const int count = EntryNoteCount(other->_entry);
  _entry->noteCount = static_cast<std::int16_t>(count);
  if (_entry != other->_entry) {
    std::memmove(_entry->notes, other->_entry->notes, sizeof(EXNOTE) * static_cast<std::size_t>(count));
  }
  _UpdateNoteCollection();
}

void FCNoteEntry::CopyNote(FCNote* note) {
  EXNOTE copy;
  std::memcpy(&copy, note->_GetRecord(), sizeof copy);  // the source may be a record of this entry
  _entry->noteCount = 1;
  std::memcpy(&_entry->notes[0], &copy, sizeof copy);
  _entry->notes[0].noteId = 1;
  _UpdateNoteCollection();
}

bool FCNoteEntry::DeleteNote(FCNote* note) {
  if (note == nullptr || GetIndexOf(note) < 0) return false;
  note->_MarkDeleted();
  _PackEXENTRYNotes();
  return true;
}

void FCNoteEntry::_PackEXENTRYNotes() {
  bool anyDeleted = false;
  for (int i = 0; i < GetCount() && !anyDeleted; ++i) anyDeleted = GetItemAt(i)->_IsDeleted();
  if (!anyDeleted) return;  // the usual case: nothing changes
  EXNOTE kept[kMaxNotesPerEntry];
  int keptCount = 0;
  for (int i = 0; i < GetCount() && keptCount < kMaxNotesPerEntry; ++i) {
    FCNote* note = GetItemAt(i);
    if (!note->_IsDeleted()) std::memcpy(&kept[keptCount++], note->_GetRecord(), sizeof(EXNOTE));
  }
  if (keptCount == 0) {
    Set32BitFlag(EntryFlags(_entry), entryflag::kNoteEntry, false);
    _entry->noteCount = 0;
  } else {
    // Records from the new count up to the old one keep their bytes; the
    // count excludes them.
    std::memcpy(_entry->notes, kept, sizeof(EXNOTE) * static_cast<std::size_t>(keptCount));
    _entry->noteCount = static_cast<std::int16_t>(keptCount);
  }
  _UpdateNoteCollection();
}

void FCNoteEntry::MakeRest() {
  _entry->noteCount = 0;
  _UpdateNoteCollection();
  QxULong* flags = EntryFlags(_entry);
  Set32BitFlag(flags, entryflag::kNoteEntry, false);
  Set32BitFlag(flags, entryflag::kNoteDetail, false);
  Set32BitFlag(flags, entryflag::kSpecialAlts, false);
  Set32BitFlag(flags, entryflag::kArticulation, false);
}

FCNote* FCNoteEntry::FindPitch(FCNote* note) {
  if (!IsNote()) return nullptr;
  for (int i = 0; i < GetCount(); ++i) {
    if (GetItemAt(i)->IsIdenticalPitch(note)) return GetItemAt(i);
  }
  return nullptr;
}

bool FCNoteEntry::CalcFlippable() {
  if (!IsNote()) return false;
  if ((_entry->flags & entryflag::kStemFreeze) != 0) return true;
  if (_previous == nullptr) return true;
  if (_next != nullptr && _next->GetMeasure() == GetMeasure()) return false;
  const short previousValue = _previous->_entry->stemValue;
  if (_entry->stemValue == previousValue) return false;
  return previousValue > 1023;
}

bool FCNoteEntry::CalcStemUp() {
  if (!CalcFlippable()) {
    for (FCNoteEntry* e = _previous; e != nullptr; e = e->_previous) {
      if ((e->_entry->flags & entryflag::kStemFreeze) != 0)
        return (e->_entry->flags & entryflag::kStemUp) != 0;
    }
  }
  return (_entry->flags & entryflag::kStemUp) != 0;
}

bool FCNoteEntry::_GetTupletDef(short incident, EDTTuplet2005* definition) {
  if (_frame == nullptr || _frame->tuplets == nullptr || _frame->tupletCount <= 0) return false;
  const int entryCount = pdk::FrameEntryCount(_frame);
  const std::uint32_t number = GetEntryNumber();
  for (int i = 0; i < _frame->tupletCount; ++i) {
    const EXTUPLET& tuplet = _frame->tuplets[i];
    // A record pointing outside the entries array belongs to no entry.
    if (tuplet.entryIndex < 0 || tuplet.entryIndex >= entryCount) continue;
    if (_frame->entries[tuplet.entryIndex].entryNumber == number && tuplet.incident == incident) {
      std::memcpy(definition, &tuplet.definition, sizeof(EDTTuplet2005));
      return true;
    }
  }
  return false;
}

int FCNoteEntry::_CalcTGFIndex() {
  const int count = pdk::FrameEntryCount(_frame);
  if (count == 0) return -1;
  const auto first = reinterpret_cast<std::uintptr_t>(_frame->entries);
  const auto self = reinterpret_cast<std::uintptr_t>(_entry);
  if (self < first || (self - first) % sizeof(EXENTRY) != 0) return -1;
  const std::uintptr_t index = (self - first) / sizeof(EXENTRY);
  return index < static_cast<std::uintptr_t>(count) ? static_cast<int>(index) : -1;
}
