// Note entries and their notes, over the host's frame records. Neither class
// copies host data: both point into the frame's memory and change the record
// bytes in place, so every change reaches the document when the frame that
// holds the record is saved.
#pragma once

#include <cstdint>

#include "framework/collections/FCCollection.h"
#include "framework/core/SmallObjectPool.h"
#include "interface/HostRecords.h"

class FCNoteEntry;

// One note of an entry: one of the entry record's note records. Valid until
// the entry's note list is rebuilt.
class FCNote : public __FCBase, public PooledAllocation<FCNote> {
 public:
  FCNote(int noteIndex, EXNOTE* record, FCNoteEntry* owner);

  const char* ClassName() const override { return "FCNote"; }

  bool IsIdenticalPitch(FCNote* other) const;
  // Lower displacement, or equal displacement and lower raise/lower.
  bool IsLowerPitchThan(FCNote* other) const;

  short GetDisplacement() const { return _record->displacement; }
  void SetDisplacement(short displacement) { _record->displacement = displacement; }
  short GetRaiseLower() const { return _record->raiseLower; }
  void SetRaiseLower(short raiseLower) { _record->raiseLower = raiseLower; }
  short GetNoteID() const { return _record->noteId; }
  QxULong _GetFlags() const { return _record->flags; }
  int _GetNoteIndex() const { return _noteIndex; }
  EXNOTE* _GetRecord() const { return _record; }
  FCNoteEntry* GetEntry() const { return _owner; }
  bool _IsDeleted() const { return _deleted; }
  void _MarkDeleted() { _deleted = true; }

  // Spelled pitch (PitchSpelling.cpp): the letter 'A' to 'G' (0 for a
  // rest), the alteration once the measure's key signature is applied, and
  // the displacement with the clef and the staff's transposition added.
  char CalcPitchChar() const;
  short CalcPitchRaiseLower() const;
  short CalcActualDisplacement() const;

  std::uint32_t _GetEntryNumber() const;
  void _SetNoteDetailEntryFlag(bool set);
  void _SetSpecialAltsEntryFlag(bool set);
  void _SetArticulationEntryFlag(bool set);

 private:
  void SetOwnerEntryFlag(QxULong mask, bool set);

  bool _deleted = false;
  int _noteIndex;
  EXNOTE* _record;
  FCNoteEntry* _owner;
};

// One entry record of a frame, as a collection of its notes in record order.
class FCNoteEntry : public __FCCollection, public PooledAllocation<FCNoteEntry> {
 public:
  // The entry at an index of a frame; the previous entry of the same list, or
  // none.
  FCNoteEntry(EXTGF2005a* frame, int index, FCNoteEntry* previous);

  const char* ClassName() const override { return "FCNoteEntry"; }
  ~FCNoteEntry() override;

  // The record and where it sits.
  EXENTRY* _GetEntryRecord() const { return _entry; }
  EXTGF2005a* _GetFrame() const { return _frame; }
  short GetMeasure() const { return _measure; }
  // The frame's staff field: the staff slot the frame was loaded with.
  short GetStaff() const { return _staff; }
  FCNoteEntry* GetPrevious() const { return _previous; }
  FCNoteEntry* GetNext() const { return _next; }
  void _SetNext(FCNoteEntry* next) { _next = next; }

  std::uint32_t GetEntryNumber() const { return _entry ? _entry->entryNumber : 0; }
  QxLong GetMeasurePos() const { return _entry->position; }
  int GetNoteCount() const { return GetCount(); }
  FCNote* GetItemAt(int index) const { return static_cast<FCNote*>(__FCCollection::GetItemAt(index)); }
  bool IsNote() const;
  bool IsRest() const { return !IsNote(); }

  void _UpdateNoteCollection();
  // The highest note, or with a bound the highest strictly below it.
  FCNote* FindHighestNote(FCNote* bound);
  FCNote* FindLowestNote();
  short CalcHighestDisplacement();
  short CalcDisplacementRange();
  short _FindUniqueNoteID();

  FCNote* AddNewNote();
  int AddPitches(FCNoteEntry* other);
  void TieAll(bool tie);
  void SetAccidentals(bool show);
  bool IsTied();
  void CopyNotes(FCNoteEntry* other);
  void CopyNote(FCNote* note);
  bool DeleteNote(FCNote* note);
  void _PackEXENTRYNotes();
  void MakeRest();
  FCNote* FindPitch(FCNote* note);

  bool CalcFlippable();
  bool CalcStemUp();
  bool _GetTupletDef(short incident, EDTTuplet2005* definition);
  int _CalcTGFIndex();

  // Articulations of the entry, cached by the articulation classes; owned.
  __FCCollection* _GetArticulationCache() const { return _articulations; }
  void _SetArticulationCache(__FCCollection* cache);

 private:
  void SetNoteFlagOnAll(QxULong mask, bool set);

  EXENTRY* _entry;
  EXTGF2005a* _frame;
  short _measure;
  short _staff;
  FCNoteEntry* _previous;
  FCNoteEntry* _next = nullptr;
  __FCCollection* _articulations = nullptr;
};
