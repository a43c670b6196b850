// Layouts of the records the host exchanges by address. All are packed and
// little-endian. Fields named "unused" belong to the host: the module copies
// them with whole records but never reads or writes them on their own.
//
// Because entries sit at 146-byte strides, many fields are misaligned. Member
// access through these packed types is safe; a pointer to a field must only be
// handed to code that reads and writes it with memcpy (Set16BitFlag and
// friends), never dereferenced as an ordinary pointer.
#pragma once

#include <cstddef>
#include <cstdint>

#define QX_PACKED __attribute__((packed))

// Region record: a rectangular selection of staves (by slot) and measures.
struct QX_PACKED EREGION {
  std::uint16_t startSlotQualifier;
  std::int16_t startSlot;
  std::int16_t startMeasure;
  std::int32_t startPosition;
  std::uint16_t endSlotQualifier;
  std::int16_t endSlot;
  std::int16_t endMeasure;
  std::int32_t endPosition;  // 0x7FFFFFFF reaches past every entry
};

// One note of an entry.
struct QX_PACKED EXNOTE {
  std::int16_t displacement;  // staff step in diatonic steps; 7 is an octave
  std::int16_t raiseLower;    // chromatic alteration
  std::int16_t noteId;        // unique within the entry
  std::uint32_t flags;
};

inline constexpr int kMaxNotesPerEntry = 12;

// One note entry (note, chord or rest) of a frame.
struct QX_PACKED EXENTRY {
  std::uint32_t entryNumber;  // 0 until the host has numbered the entry
  std::int16_t stemValue;     // compared between neighbours by the stem-flip test
  std::uint8_t unused6[2];
  std::uint32_t flags;
  std::uint16_t flags2;
  std::int16_t noteCount;
  EXNOTE notes[kMaxNotesPerEntry];
  std::int32_t position;  // in the units of a region's start and end positions
  std::uint8_t unused140[4];
  std::int16_t clef;
};

// Tuplet definition as stored in a frame's tuplet records.
struct QX_PACKED EDTTuplet2005 {
  std::uint32_t words[7];
  std::uint16_t lastWord;
};

struct QX_PACKED EXTUPLET {
  std::int16_t entryIndex;  // index into the frame's entries array
  std::uint8_t unused2[2];
  std::int16_t incident;
  std::uint8_t unused6[4];
  EDTTuplet2005 definition;
};

// Frame: the entries of one staff, measure and layer, lent by the host.
struct QX_PACKED EXTGF2005a {
  std::uint16_t loadParameter;
  std::int16_t staff;
  std::uint8_t unused4[2];
  std::int16_t measure;
  std::int16_t layer;  // 0-based
  std::uint8_t unused10[4];
  EXENTRY* entries;
  std::int16_t entryCount;
  EXTUPLET* tuplets;
  std::int16_t tupletCount;
};

// Opaque metric records; only their addresses pass through the module.
struct EEntryMetrics;
struct EMeasureMetrics;

// Menu item record filled by the enumerate entry point.
inline constexpr int kMenuTextSize = 64;
struct QX_PACKED EMENUITEM {
  char longName[kMenuTextSize];
  char description[kMenuTextSize];
  char shortName[kMenuTextSize];
  std::uint16_t value192;
  std::uint16_t value194;
};

static_assert(sizeof(EREGION) == 20);
static_assert(offsetof(EREGION, startPosition) == 6 && offsetof(EREGION, endSlotQualifier) == 10 &&
              offsetof(EREGION, endPosition) == 16);
static_assert(sizeof(EXNOTE) == 10 && offsetof(EXNOTE, flags) == 6);
static_assert(sizeof(EXENTRY) == 146);
static_assert(offsetof(EXENTRY, flags) == 8 && offsetof(EXENTRY, flags2) == 12 &&
              offsetof(EXENTRY, noteCount) == 14 && offsetof(EXENTRY, notes) == 16 &&
              offsetof(EXENTRY, position) == 136 && offsetof(EXENTRY, clef) == 144);
static_assert(sizeof(EDTTuplet2005) == 30);
static_assert(sizeof(EXTUPLET) == 40 && offsetof(EXTUPLET, incident) == 4 &&
              offsetof(EXTUPLET, definition) == 10);
static_assert(sizeof(EMENUITEM) == 196 && offsetof(EMENUITEM, description) == 64 &&
              offsetof(EMENUITEM, shortName) == 128 && offsetof(EMENUITEM, value192) == 192 &&
              offsetof(EMENUITEM, value194) == 194);
static_assert(offsetof(EXTGF2005a, staff) == 2 && offsetof(EXTGF2005a, measure) == 6 &&
              offsetof(EXTGF2005a, layer) == 8 && offsetof(EXTGF2005a, entries) == 14);
#if defined(_WIN32) && !defined(_WIN64)
// On the host's own 32-bit target the frame record's pointer fields are four
// bytes wide and every documented offset holds exactly.
static_assert(sizeof(void*) == 4);
static_assert(offsetof(EXTGF2005a, entryCount) == 18 && offsetof(EXTGF2005a, tuplets) == 20 &&
              offsetof(EXTGF2005a, tupletCount) == 24 && sizeof(EXTGF2005a) == 26);
#endif

namespace pdk {

// Pointer to a field at a byte offset inside a packed record, for the
// memcpy-based flag helpers.
template <typename Field, typename Record>
Field* FieldAt(Record* record, std::size_t offset) {
  return reinterpret_cast<Field*>(reinterpret_cast<unsigned char*>(record) + offset);
}

}  // namespace pdk
