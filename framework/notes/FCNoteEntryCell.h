// The note entries of one cell (one staff in one measure), over every shown
// layer. The cell owns the frames it loads and releases them through the host
// when it reloads or is destroyed; it owns the entry objects it builds, which
// point into those frames.
#pragma once

#include <cstdint>

#include "framework/collections/FCCollection.h"
#include "framework/notes/FCNoteEntry.h"
#include "interface/HostRecords.h"

class FCMusicRegion;

class __FCNoteEntryCollection : public __FCCollection {
 public:
  FCNoteEntry* GetItemAt(int index) const {
    return static_cast<FCNoteEntry*>(__FCCollection::GetItemAt(index));
  }
  // Makes the destination frame hold copies of the source frame's entries,
  // without what is attached to them by entry number.
  void _CopyEntries(EXTGF2005a* source, EXTGF2005a* destination);
};

class FCNoteEntryCell : public __FCNoteEntryCollection {
 public:
  // Room for this many layers' frames; layers past it are not loaded.
  static constexpr int kMaxLayerFrames = 20;

  FCNoteEntryCell(std::int32_t measure, std::int32_t staffId);
  FCNoteEntryCell(const FCNoteEntryCell&) = delete;
  FCNoteEntryCell& operator=(const FCNoteEntryCell&) = delete;
  ~FCNoteEntryCell() override;

  const char* ClassName() const override { return "FCNoteEntryCell"; }

  // (Re)loads every shown layer; false, leaving the cell empty, when the host
  // gives no frame for one of them.
  bool Load();
  // Writes every loaded frame back; false when any write failed.
  bool Save();
  FCNoteEntry* FindClosestPos(QxLong position);
  // The entry at the index when it lies inside the region, else none.
  FCNoteEntry* GetRegionItemAt(int index, FCMusicRegion* region);
  void _SetupEntries();

  std::int32_t GetMeasure() const { return _measure; }
  std::int32_t GetStaff() const { return _staffId; }
  EXTGF2005a* _GetFrame(int layer) const;

 private:
  // The host's layer count, within the frame table.
  static int UsedLayerFrames();
  void ReleaseAll();

  EXTGF2005a* _frames[kMaxLayerFrames] = {};  // by 0-based layer
  std::int32_t _measure;
  std::int32_t _staffId;
};
