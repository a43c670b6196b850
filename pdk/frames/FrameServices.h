// Frame services: the frame wrappers' extra work and the clean-up every frame
// gets before it goes back to the host.
#pragma once

#include <cstdint>

#include "pdk/records/HostRecords.h"

// Lets CleanTGF give an entry without notes one placeholder note record.
// True from load; nothing in the module changes it.
extern bool CanAddNoteRecordToRests;

// Frame loads minus frame frees (a failed load counts too). Nothing in the
// module reads it; it is there to watch the balance.
extern std::int32_t LoadedTGFCounter;

// Prepares a frame for the host: unique non-zero note IDs, the ID bits in the
// note flags, empty note slots zeroed, a placeholder note in entries without
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
  return count < 0 ? 0 : (count > kMaxNotesPerEntry ? kMaxNotesPerEntry : count);
}

// Entry and note flag bits the module reads or writes.
namespace entryflag {
inline constexpr std::uint32_t kNoteEntry = 0x40000000;
inline constexpr std::uint32_t kPlaceholderNote = 0x01000000;
inline constexpr std::uint32_t kNoteDetail = 0x00400000;
inline constexpr std::uint32_t kArticulation = 0x00200000;
inline constexpr std::uint32_t kTuplet = 0x00080000;
inline constexpr std::uint32_t kSpecialAlts = 0x00001000;
inline constexpr std::uint32_t kStemFreeze = 0x00000800;
inline constexpr std::uint32_t kStemUp = 0x00000001;
// Attached records keyed by entry number, which do not come along when an
// entry is copied to another frame.
inline constexpr std::uint32_t kKeptWhenCopied = 0xFF85AB3F;
}  // namespace entryflag

namespace entryflag2 {
inline constexpr std::uint16_t kDropped2nd = 0x0004;
inline constexpr std::uint16_t kClearedWhenCopied = 0x0020;
}  // namespace entryflag2

namespace noteflag {
inline constexpr std::uint32_t kCreated = 0x80000000;
inline constexpr std::uint32_t kTie = 0x40000000;
inline constexpr std::uint32_t kAccidental = 0x01000000;
inline constexpr std::uint32_t kIdBits = 0x001F0000;
}  // namespace noteflag

}  // namespace pdk
