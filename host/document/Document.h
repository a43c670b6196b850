// The substitute host's notation document: staves in score order, measures,
// layers, and one frame of entry and tuplet records per staff, measure and
// layer. Frames are stored by staff ID; a slot is only a staff's place in the
// score order.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "host/document/RecordStore.h"
#include "interface/HostRecords.h"

namespace host {

inline constexpr int kDefaultMaxLayers = 4;
// The largest value the interface's signed 16-bit fields can carry: the
// bound for staff IDs, slots, measures, layers and per-frame record counts.
inline constexpr int kMaxInt16 = 32767;
// The end of the latest-ending entry: the largest position + duration, with
// negative durations counted as 0; 0 for no entries.
std::int32_t FrameDuration(const EXENTRY* entries, int count);

class Document {
 public:
  // No staves, no measures, four layers all shown, an empty selection
  // (all fields 0), document number 1.
  Document();

  // Structure. Every setter throws std::invalid_argument for values the
  // interface cannot carry, and leaves the document unchanged then.
  void SetStaves(const std::vector<int>& staffIdsInSlotOrder);  // IDs 1..32767, distinct
  void SetMeasureCount(int count);                              // 0..32767
  void SetMaxLayers(int count);                                 // 1..32767; new layers are shown
  void SetLayerShown(int layer, bool shown);
  void SetNumber(int number);
  void SetSelection(const EREGION& region);

  int StaffCount() const { return static_cast<int>(staffBySlot_.size()); }
  int MeasureCount() const { return measureCount_; }
  int MaxLayers() const { return static_cast<int>(layerShown_.size()); }
  bool IsLayerShown(int layer) const;  // false outside 0..MaxLayers()-1
  int Number() const { return number_; }
  const EREGION& Selection() const { return selection_; }
  // First to last slot, measure 1 to the last, positions 0 to past the end,
  // qualifiers 0.
  EREGION WholeDocument() const;

  int StaffAtSlot(int slot) const;     // 0 when no staff has that slot
  int SlotOfStaff(int staffId) const;  // 0 when there is no such staff
  bool HasCell(int staffId, int measure, int layer) const;

  // The stored records of a cell, in time order; empty for a cell never
  // written. Throws std::out_of_range for a cell outside the document.
  const std::vector<EXENTRY>& Entries(int staffId, int measure, int layer) const;
  const std::vector<EXTUPLET>& Tuplets(int staffId, int measure, int layer) const;
  // Every entry stored, over all cells.
  std::size_t EntryCount() const;

  // Appends a record to a cell, as when the document is built. An entry with
  // number 0 gets a fresh number. Throws std::out_of_range for a cell outside
  // the document, std::length_error past 32767 records in one cell.
  void AddEntry(int staffId, int measure, int layer, EXENTRY entry);
  void AddTuplet(int staffId, int measure, int layer, const EXTUPLET& tuplet);

  // A frame saved back: replaces the cell's records, gives every entry whose
  // number is 0 a fresh number, and counts the save. Returns false, changing
  // nothing, for a cell outside the document or when no fresh numbers are
  // left.
  bool StoreFrame(int staffId, int measure, int layer, const EXENTRY* entries, int entryCount,
                  const EXTUPLET* tuplets, int tupletCount);
  // How often the cell was saved through StoreFrame.
  int SaveCount(int staffId, int measure, int layer) const;
  int TotalSaveCount() const { return totalSaves_; }

  // The data records: measures, staves, text, clefs and the rest.
  RecordStore& Records() { return records_; }
  const RecordStore& Records() const { return records_; }

  // The number the next unnumbered entry gets. Numbers rise and are never
  // reused, not even after their entry is gone; a saved entry that carries a
  // number of its own moves this past it.
  std::uint32_t NextEntryNumber() const { return static_cast<std::uint32_t>(lastEntryNumber_ + 1); }

 private:
  struct Cell {
    std::vector<EXENTRY> entries;
    std::vector<EXTUPLET> tuplets;
    int saveCount = 0;
  };
  using CellKey = std::uint64_t;
  static CellKey KeyOf(int staffId, int measure, int layer);
  void CheckCell(int staffId, int measure, int layer) const;  // throws std::out_of_range
  const Cell* FindCell(int staffId, int measure, int layer) const;
  void NoteEntryNumber(std::uint32_t number);

  std::vector<int> staffBySlot_;              // index slot - 1
  std::unordered_map<int, int> slotByStaff_;  // staff ID -> slot
  int measureCount_ = 0;
  std::vector<bool> layerShown_;
  int number_ = 1;
  EREGION selection_{};
  std::unordered_map<CellKey, Cell> cells_;  // only cells ever written
  std::uint64_t lastEntryNumber_ = 0;        // wider than a number, so "none left" is seen
  int totalSaves_ = 0;
  RecordStore records_;
};

}  // namespace host
