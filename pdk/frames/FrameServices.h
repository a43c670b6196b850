// Frame services: the frame wrappers' extra work and the clean-up every frame
// gets before it goes back to the host.
#pragma once

#include <cstdint>

#include "interface/HostRecords.h"

// Lets CleanTGF give an entry without notes one placeholder note record.
// True from load; nothing in the module changes it.
extern bool CanAddNoteRecordToRests;

// Frame loads minus frame frees (a failed load counts too). Nothing in the
// module reads it; it is there to watch the balance.
extern std::int32_t LoadedTGFCounter;

// Prepares a frame for the host: unique non-zero note IDs, the ID bits in the
// note flags, unused note records zeroed, a placeholder note in entries without
// notes. Changes only the entries array, never the frame header.
void CleanTGF(const EXTGF2005a* frame);

namespace pdk {

// Entry count of a frame as the module may use it: never negative, and
// 0 for a frame without an entries array.
inline int FrameEntryCount(const EXTGF2005a* frame) {
  if (frame == nullptr || frame->entries == nullptr || frame->entryCount < 0) return 0;
  return frame->entryCount;
}

// Note count of an entry record as the module may use it: within 0..12.
inline int EntryNoteCount(const EXENTRY* entry) {
  const int count = entry->noteCount;
  return count < 0 ? 0 : (count > quavix::kMaxNotesPerEntry ? quavix::kMaxNotesPerEntry : count);
}

}  // namespace pdk
