// The detail record families: records that hang off one note entry or one
// cell (one staff in one measure). Their 8-byte keys, little-endian:
//
//   entry detail   bytes 0-3 entry number (32-bit), bytes 4-5 incident (signed)
//   cell detail    bytes 0-1 staff, bytes 2-3 measure, bytes 4-5 incident
//
// Both walk incident by incident from 0 rather than with the host's next
// step, and stop at the first incident the host does not have. The entry or
// cell a detail hangs off is bound by whoever creates the object; a clone is
// bound to nothing until its creator binds it.
#pragma once

#include <cstdint>

#include "framework/core/FCBaseData.h"

class FCCell;
class FCNote;
class FCNoteEntry;

class __FCEntryDetail : public __FCBaseData {
 public:
  explicit __FCEntryDetail(QxULong version) : __FCBaseData(version) {}

  // Incident 0 of the bound entry's number; false, without a host call, when
  // no entry is bound.
  bool LoadFirst() override;
  // The next incident; a refused load leaves the key on the last one loaded.
  bool LoadNext() override;
  // Marks in the entry's record that it has (or no longer has) records of
  // this kind.
  virtual void _SetEntryFlag(FCNoteEntry* entry, bool set);

  bool Load(QxLong entryNumber, short incident);
  bool SaveAs(QxLong entryNumber, short incident);
  // Creates a record for the entry number already in the key; the host
  // assigns the incident. Needs a bound entry, whose flag it sets.
  bool SaveNew();
  // Whether the note's entry has any record of this tag. The object's own
  // key and data are left alone.
  bool _HasAnyMod(FCNote* note);

  FCNoteEntry* GetNoteEntry() const { return _noteEntry; }
  void SetNoteEntry(FCNoteEntry* entry) { _noteEntry = entry; }
  QxLong GetEntryNumber() const;
  short GetIncident() const;
  void _SetEntryNumber(QxLong entryNumber);
  void _SetIncident(short incident);

 protected:
  // Probes and scans load other records of the tag into a scratch area of
  // this size; a class whose records are larger is not probed.
  static constexpr std::int32_t kScratchSize = 208;
  bool _FitsScratch() { return DataSize() <= kScratchSize; }
  // The buffer sent to the host on a create, allocated if the object has none.
  void* _BufferToSend();

 private:
  FCNoteEntry* _noteEntry = nullptr;  // not owned
};

// Entry details of which each record belongs to one note of the entry,
// identified by the note's ID inside the record bytes.
class __FCEntryDetailNoteID : public __FCEntryDetail {
 public:
  explicit __FCEntryDetailNoteID(QxULong version) : __FCEntryDetail(version) {}

  const char* ClassName() const override { return "__FCEntryDetailNoteID"; }

  // Stores the note ID in this object's record bytes.
  virtual void _SetNoteID(short noteId) = 0;
  // Whether raw record bytes of the tag belong to the note ID.
  virtual bool _IsNoteIDInData(void* data, short noteId) = 0;
  // Sets or clears, through the note, its entry's flag for this kind.
  virtual void _SetNoteEntryFlag(FCNote* note, bool set) = 0;

  // The incident of the note's record, or -1.
  short _ScanForNoteID(FCNote* note);
  // Writes this object's record as the note's, replacing the note's
  // existing record or creating one.
  bool SaveAt(FCNote* note);
  bool EraseAt(FCNote* note);
};

class __FCCellDetail : public __FCBaseData {
 public:
  explicit __FCCellDetail(QxULong version) : __FCBaseData(version) {}

  const char* ClassName() const override { return "__FCCellDetail"; }
  // Incident 0 of the bound cell's staff and measure; false, without a host
  // call, when no cell is bound.
  bool LoadFirst() override;
  // The next incident; a refused load leaves the key on the last one loaded.
  bool LoadNext() override;

  FCCell* GetCell() const { return _cell; }
  void SetCell(FCCell* cell) { _cell = cell; }
  short GetStaff() const;
  short GetMeasure() const;
  short GetIncident() const;

 private:
  FCCell* _cell = nullptr;  // not owned
};
