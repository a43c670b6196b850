#include <cstdint>
#include <cstring>

#include "pdk/frames/FrameServices.h"

bool CanAddNoteRecordToRests = true;

namespace {

// True when every ID is non-zero and no two are equal: nothing to renumber.
bool IdsAlreadyUnique(const EXENTRY& entry, int count) {
  for (int l = 0; l < count; ++l) {
    if (entry.notes[l].noteId == 0) return false;
    for (int m = l + 1; m < count; ++m) {
      if (entry.notes[m].noteId == entry.notes[l].noteId) return false;
    }
  }
  return true;
}

bool IdUsedElsewhere(const EXENTRY& entry, int count, int index) {
  for (int m = 0; m < count; ++m) {
    if (m != index && entry.notes[m].noteId == entry.notes[index].noteId) return true;
  }
  return false;
}

// True when the bytes are all zero, read a word at a time. The unused note
// records of an entry cleaned before are zero already, and reading them
// costs less than clearing them again.
bool AllZero(const unsigned char* bytes, std::size_t size) {
  std::uint64_t any = 0;
  std::size_t i = 0;
  for (; i + sizeof any <= size; i += sizeof any) {
    std::uint64_t word;
    std::memcpy(&word, bytes + i, sizeof word);
    any |= word;
  }
  for (; i < size; ++i) any |= bytes[i];
  return any == 0;
}

void CleanEntry(EXENTRY& entry) {
  // A count outside 0..12 would read or write past the entry's note records;
  // such a record is brought back into range first.
  const int n = pdk::EntryNoteCount(&entry);
  entry.noteCount = static_cast<std::int16_t>(n);

  if (!IdsAlreadyUnique(entry, n)) {
    int max = 0;
    for (int l = 0; l < n; ++l) {
      if (entry.notes[l].noteId > max) max = entry.notes[l].noteId;
    }
    // Of two equal IDs the earlier note gets a new one; later notes are
    // compared with the IDs as already changed.
    for (int l = 0; l < n; ++l) {
      if (entry.notes[l].noteId == 0 || IdUsedElsewhere(entry, n, l)) {
        ++max;
        entry.notes[l].noteId = static_cast<std::int16_t>(max);
      }
    }
  }
  for (int l = 0; l < n; ++l) {
    entry.notes[l].flags =
        (entry.notes[l].flags & ~quavix::noteflag::kIdBits) | quavix::NoteIdBits(entry.notes[l].noteId);
  }
  if (n < quavix::kMaxNotesPerEntry) {
    auto* unused = reinterpret_cast<unsigned char*>(&entry.notes[n]);
    const std::size_t size = sizeof(EXNOTE) * static_cast<std::size_t>(quavix::kMaxNotesPerEntry - n);
    if (!AllZero(unused, size)) std::memset(unused, 0, size);
  }
  if (entry.noteCount == 0 && CanAddNoteRecordToRests) {
    entry.flags |= quavix::entryflag::kPlaceholderNote;
    entry.noteCount = 1;
    entry.notes[0].flags = quavix::noteflag::kCreated;
  }
}

}  // namespace

void CleanTGF(const EXTGF2005a* frame) {
  // The count is read again after each entry.
  for (int i = 0; i < pdk::FrameEntryCount(frame); ++i) CleanEntry(frame->entries[i]);
}
