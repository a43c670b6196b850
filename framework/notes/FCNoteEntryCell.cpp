#include "framework/notes/FCNoteEntryCell.h"

#include <cstdlib>
#include <cstring>

#include "framework/regions/FCMusicRegion.h"
#include "interface/HostTypes.h"
#include "pdk/binding/HostFunctions.h"
#include "pdk/frames/FrameServices.h"

using quavix::kInterfaceVersion;

namespace {
// Entries further than this from the position asked for are never the
// closest.
constexpr std::int64_t kClosestPosReach = 20000;
}  // namespace

// --- __FCNoteEntryCollection -------------------------------------------------

void __FCNoteEntryCollection::_CopyEntries(EXTGF2005a* source, EXTGF2005a* destination) {
  FX_DeleteEXENTRY(destination, 0, static_cast<short>(pdk::FrameEntryCount(destination)), kInterfaceVersion);
  const int count = pdk::FrameEntryCount(source);
  FX_InsertEXENTRY(destination, 0, static_cast<short>(count), kInterfaceVersion);
  // The host may have moved the destination's entries: read them again, and
  // copy no more than it actually holds.
  const int copied = count < pdk::FrameEntryCount(destination) ? count : pdk::FrameEntryCount(destination);
  for (int i = 0; i < copied; ++i) {
    EXENTRY& target = destination->entries[i];
    const std::uint32_t number = target.entryNumber;
    std::memcpy(&target, &source->entries[i], sizeof(EXENTRY));
    target.entryNumber = number;
    target.flags &= quavix::entryflag::kKeptWhenCopied;
    target.flags2 = static_cast<std::uint16_t>(target.flags2 & ~quavix::entryflag2::kClearedWhenCopied);
  }
}

// --- FCNoteEntryCell ---------------------------------------------------------

FCNoteEntryCell::FCNoteEntryCell(std::int32_t measure, std::int32_t staffId)
    : _measure(measure), _staffId(staffId) {}

FCNoteEntryCell::~FCNoteEntryCell() { ReleaseAll(); }

// Asked once per load, set-up or save.
int FCNoteEntryCell::UsedLayerFrames() {
  const int layers = FX_GetMaxLayers(kInterfaceVersion);
  return layers < 0 ? 0 : (layers > kMaxLayerFrames ? kMaxLayerFrames : layers);
}

EXTGF2005a* FCNoteEntryCell::_GetFrame(int layer) const {
  return layer >= 0 && layer < kMaxLayerFrames ? _frames[layer] : nullptr;
}

void FCNoteEntryCell::ReleaseAll() {
  // The entries point into the frames: they go first.
  _FreeElements();
  _SetCount(0);
  // Every loaded frame is released exactly once, whatever the host's layer
  // count says now.
  for (EXTGF2005a*& frame : _frames) {
    if (frame != nullptr) FX_FreeTGF(frame, kInterfaceVersion);
    frame = nullptr;
  }
}

bool FCNoteEntryCell::Load() {
  ReleaseAll();
  const short slot = FX_InstToSlot(static_cast<short>(_staffId), 0, kInterfaceVersion);
  const int layers = UsedLayerFrames();
  for (int layer = 0; layer < layers; ++layer) {
    if (FX_GetShowLayer(static_cast<short>(layer), kInterfaceVersion) == 0) continue;
    _frames[layer] =
        FX_LoadTGF(0, slot, static_cast<short>(_measure), static_cast<short>(layer), 1, kInterfaceVersion);
    if (_frames[layer] == nullptr) {
      ReleaseAll();
      return false;
    }
  }
  _SetupEntries();
  return true;
}

void FCNoteEntryCell::_SetupEntries() {
  const int layers = UsedLayerFrames();
  for (int layer = 0; layer < layers; ++layer) {
    EXTGF2005a* frame = _frames[layer];
    if (frame == nullptr) continue;
    FCNoteEntry* previous = nullptr;  // the chain restarts with each layer
    for (int j = 0; j < pdk::FrameEntryCount(frame); ++j) {
      auto* entry = new FCNoteEntry(frame, j, previous);
      if (previous != nullptr) previous->_SetNext(entry);
      Add(entry);
      previous = entry;
    }
  }
}

bool FCNoteEntryCell::Save() {
  bool saved = true;
  const int layers = UsedLayerFrames();
  for (int layer = 0; layer < layers; ++layer) {
    if (_frames[layer] == nullptr) continue;
    if (FX_SaveTGF(_frames[layer], kInterfaceVersion) == 0) saved = false;  // the others are still saved
  }
  return saved;
}

FCNoteEntry* FCNoteEntryCell::FindClosestPos(QxLong position) {
  std::int64_t bestDistance = kClosestPosReach;
  FCNoteEntry* chosen = nullptr;
  for (int i = 0; i < GetCount(); ++i) {
    FCNoteEntry* entry = GetItemAt(i);
    const std::int64_t distance = std::llabs(std::int64_t{entry->GetMeasurePos()} - position);
    if (distance < bestDistance) {
      chosen = entry;
      bestDistance = distance;
    }
  }
  return chosen;
}

FCNoteEntry* FCNoteEntryCell::GetRegionItemAt(int index, FCMusicRegion* region) {
  FCNoteEntry* entry = GetItemAt(index);
  if (entry == nullptr || !region->IsPosWithin(_measure, entry->GetMeasurePos())) return nullptr;
  return entry;
}
