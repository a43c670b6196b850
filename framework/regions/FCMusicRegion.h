// A rectangular part of a score: a run of staves (by slot) across a run of
// measures, optionally cut at a start position in the first measure and an
// end position in the last. It is how the host hands over a selection.
#pragma once

#include <cstdint>

#include "framework/core/FCBase.h"
#include "interface/HostRecords.h"

class FCNoteEntry;

// One cell of the score: one staff in one measure.
class FCCell : public __FCBase {
 public:
  FCCell(std::int32_t measure, std::int32_t staffId) : _measure(measure), _staffId(staffId) {}
  const char* ClassName() const override { return "FCCell"; }
  std::int32_t GetMeasure() const { return _measure; }
  std::int32_t GetStaff() const { return _staffId; }

 private:
  std::int32_t _measure;
  std::int32_t _staffId;
};

class FCMusicRegion : public __FCBase {
 public:
  // With a record: as SetMorvelRegion. Without: every coordinate 0.
  explicit FCMusicRegion(const EREGION* region = nullptr);

  const char* ClassName() const override { return "FCMusicRegion"; }

  // Copies the record and takes the host's current document.
  void SetMorvelRegion(const EREGION* region);
  bool SetFullDocument();
  bool SetCurrentSelection();

  bool IsMeasureIncluded(short measure) const;
  bool IsStaffIncluded(short staffId) const;
  bool IsCellPosWithin(FCCell* cell, QxLong position) const;
  bool IsEntryPosWithin(FCNoteEntry* entry) const;
  // The position rule: a position lies in the region unless the measure is
  // the region's first and the position before its start position, or the
  // measure is the region's last and the position after its end position.
  // Only the position is judged; the measure is taken to be included.
  bool IsPosWithin(QxLong measure, QxLong position) const;
  bool IsPartial() const;
  bool IsCurrentDocument() const;
  void SetInDocument();

  // Staff IDs of the two end slots, as the host maps them now.
  short CalcStartStaff() const;
  short CalcEndStaff() const;

  const EREGION& _GetRegion() const { return _region; }
  short GetDocument() const { return _document; }
  short GetStartSlot() const { return _region.startSlot; }
  short GetEndSlot() const { return _region.endSlot; }
  unsigned short GetStartSlotQualifier() const { return _region.startSlotQualifier; }
  unsigned short GetEndSlotQualifier() const { return _region.endSlotQualifier; }
  short GetStartMeasure() const { return _region.startMeasure; }
  short GetEndMeasure() const { return _region.endMeasure; }
  std::int32_t GetStartMeasurePos() const { return _region.startPosition; }
  std::int32_t GetEndMeasurePos() const { return _region.endPosition; }
  void SetStartSlot(short slot) { _region.startSlot = slot; }
  void SetEndSlot(short slot) { _region.endSlot = slot; }
  void SetStartMeasure(short measure) { _region.startMeasure = measure; }
  void SetEndMeasure(short measure) { _region.endMeasure = measure; }
  void SetStartMeasurePos(std::int32_t position) { _region.startPosition = position; }
  void SetEndMeasurePos(std::int32_t position) { _region.endPosition = position; }

 private:
  bool TakeHostRegion(bool wholeDocument);

  EREGION _region{};
  short _document = 0;
};
