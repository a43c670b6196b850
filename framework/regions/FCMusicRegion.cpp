#include "framework/regions/FCMusicRegion.h"

#include <cstring>

#include "framework/notes/FCNoteEntry.h"
#include "interface/HostTypes.h"
#include "pdk/binding/HostFunctions.h"

using quavix::kInterfaceVersion;

FCMusicRegion::FCMusicRegion(const EREGION* region) {
  if (region != nullptr) SetMorvelRegion(region);
}

void FCMusicRegion::SetMorvelRegion(const EREGION* region) {
  std::memcpy(&_region, region, sizeof _region);
  _document = FX_GetCurrentMorvelDocument(kInterfaceVersion);
}

bool FCMusicRegion::TakeHostRegion(bool wholeDocument) {
  QxLong scratch = 0;
  EREGION selection{}, whole{};
  if (FX_GetCurERegions(&scratch, &selection, &whole, kInterfaceVersion) == 0) return false;
  std::memcpy(&_region, wholeDocument ? &whole : &selection, sizeof _region);
  _document = FX_GetCurrentMorvelDocument(kInterfaceVersion);
  return true;
}

bool FCMusicRegion::SetFullDocument() { return TakeHostRegion(true); }

bool FCMusicRegion::SetCurrentSelection() { return TakeHostRegion(false); }

short FCMusicRegion::CalcStartStaff() const {
  return FX_SlotToInst(_region.startSlot, _region.startSlotQualifier, kInterfaceVersion);
}

short FCMusicRegion::CalcEndStaff() const {
  return FX_SlotToInst(_region.endSlot, _region.endSlotQualifier, kInterfaceVersion);
}

bool FCMusicRegion::IsMeasureIncluded(short measure) const {
  return _region.startMeasure <= measure && measure <= _region.endMeasure;
}

bool FCMusicRegion::IsStaffIncluded(short staffId) const {
  if (staffId < CalcStartStaff()) return false;  // the last staff is not asked for then
  return staffId <= CalcEndStaff();
}

bool FCMusicRegion::IsPosWithin(QxLong measure, QxLong position) const {
  if (measure == _region.startMeasure && position < _region.startPosition) return false;
  if (measure == _region.endMeasure && position > _region.endPosition) return false;
  return true;
}

bool FCMusicRegion::IsCellPosWithin(FCCell* cell, QxLong position) const {
  const auto measure = static_cast<short>(cell->GetMeasure());
  if (!IsMeasureIncluded(measure)) return false;
  if (!IsStaffIncluded(static_cast<short>(cell->GetStaff()))) return false;
  return IsPosWithin(measure, position);
}

bool FCMusicRegion::IsEntryPosWithin(FCNoteEntry* entry) const {
  if (!IsMeasureIncluded(entry->GetMeasure())) return false;
  if (!IsStaffIncluded(entry->GetStaff())) return false;
  return IsPosWithin(entry->GetMeasure(), entry->GetMeasurePos());
}

bool FCMusicRegion::IsPartial() const {
  return _region.startPosition != 0 || _region.endPosition != quavix::kEndOfMeasure;
}

bool FCMusicRegion::IsCurrentDocument() const {
  return _document == FX_GetCurrentMorvelDocument(kInterfaceVersion);
}

void FCMusicRegion::SetInDocument() {
  if (IsCurrentDocument()) FX_SetCurERegion(&_region, kInterfaceVersion);
}
