// Layouts of the records the host and the module exchange by address, with
// the flag bits and sentinels both sides rely on. All records are packed and
// little-endian. Fields named "reserved" belong to the host: the module
// copies them with whole records but never reads or writes them on their own.
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
  std::int32_t endPosition;  // kEndOfMeasure reaches past every entry
};

namespace quavix {
// End position that reaches past every entry of a measure.
inline constexpr std::int32_t kEndOfMeasure = 0x7FFFFFFF;
}  // namespace quavix

// One note of an entry.
struct QX_PACKED EXNOTE {
  std::int16_t displacement;  // staff step in diatonic steps; 7 is an octave
  std::int16_t raiseLower;    // chromatic alteration
  std::int16_t noteId;        // unique within the entry
  std::uint32_t flags;
};

namespace quavix {
inline constexpr int kMaxNotesPerEntry = 12;
}  // namespace quavix

// One note entry (note, chord or rest) of a frame.
struct QX_PACKED EXENTRY {
  std::uint32_t entryNumber;  // 0 until the host has numbered the entry
  std::int16_t stemValue;     // compared between neighbours by the stem-flip test
  std::uint8_t reserved6[2];
  std::uint32_t flags;     // entryflag bits
  std::uint16_t flags2;    // entryflag2 bits
  std::int16_t noteCount;  // 0 to kMaxNotesPerEntry
  EXNOTE notes[quavix::kMaxNotesPerEntry];
  std::int32_t position;  // in the units of a region's start and end positions
  // The host's own: how long the entry lasts, in the units of its position.
  // The module copies it with the record and never reads it.
  std::int32_t duration;
  std::int16_t clef;
};

// Tuplet definition as stored in a frame's tuplet records.
struct QX_PACKED EDTTuplet2005 {
  std::uint32_t words[7];
  std::uint16_t lastWord;
};

struct QX_PACKED EXTUPLET {
  std::int16_t entryIndex;  // index into the frame's entries array
  std::uint8_t reserved2[2];
  std::int16_t incident;
  std::uint8_t reserved6[4];
  EDTTuplet2005 definition;
};

// Frame: the entries of one staff, measure and layer, lent by the host.
struct QX_PACKED EXTGF2005a {
  std::uint16_t loadParameter;
  // The staff slot the frame was loaded with: the module passes it back to
  // reload the frame, and gives it to the frame's entries as their staff.
  std::int16_t staffSlot;
  std::uint8_t reserved4[2];
  std::int16_t measure;
  std::int16_t layer;  // 0-based
  std::uint8_t reserved10[4];
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

// Text block data record (tag SOTX, keyed by block number): names the raw
// text (tag txbl, keyed by text number) that holds the block's characters.
struct QX_PACKED EDTTextBlock2004 {
  std::int16_t rawTextNumber;
  std::uint8_t reserved2[24];
};
static_assert(sizeof(EDTTextBlock2004) == 26);

// Staff record (tag SOIS, keyed by staff number; SOSC, the staff settings
// in force at a point of the music, has the same layout).
struct QX_PACKED EDTStaff {
  std::uint8_t reserved0[20];
  std::uint16_t transposition;  // bit 13 chooses the layout of interval and alteration
  std::uint8_t reserved22[8];
  std::uint16_t fullNameBlock;  // the text block of the staff's full name; 0 for none
  std::uint8_t reserved32[82];
};
static_assert(sizeof(EDTStaff) == 114 && offsetof(EDTStaff, transposition) == 20 &&
              offsetof(EDTStaff, fullNameBlock) == 30);

// Page record (tag SOPG, keyed by page number).
struct QX_PACKED EDTPage {
  std::uint8_t reserved0[8];
  std::int16_t firstSystem;  // the number of the first staff system on the page
  std::uint8_t reserved10[18];
};
static_assert(sizeof(EDTPage) == 28 && offsetof(EDTPage, firstSystem) == 8);

// Clef definition data record (tag gbcf), one per clef index of the
// document's clef table.
struct QX_PACKED EDTClefDef {
  std::int16_t displacementOffset;  // added to the displacement of a note in this clef
  std::uint8_t reserved2[16];
};
static_assert(sizeof(EDTClefDef) == 18);

static_assert(sizeof(EREGION) == 20);
static_assert(offsetof(EREGION, startPosition) == 6 && offsetof(EREGION, endSlotQualifier) == 10 &&
              offsetof(EREGION, endPosition) == 16);
static_assert(sizeof(EXNOTE) == 10 && offsetof(EXNOTE, flags) == 6);
static_assert(sizeof(EXENTRY) == 146);
static_assert(offsetof(EXENTRY, flags) == 8 && offsetof(EXENTRY, flags2) == 12 &&
              offsetof(EXENTRY, noteCount) == 14 && offsetof(EXENTRY, notes) == 16 &&
              offsetof(EXENTRY, position) == 136 && offsetof(EXENTRY, duration) == 140 &&
              offsetof(EXENTRY, clef) == 144);
static_assert(sizeof(EDTTuplet2005) == 30);
static_assert(sizeof(EXTUPLET) == 40 && offsetof(EXTUPLET, incident) == 4 &&
              offsetof(EXTUPLET, definition) == 10);
static_assert(sizeof(EMENUITEM) == 196 && offsetof(EMENUITEM, description) == 64 &&
              offsetof(EMENUITEM, shortName) == 128 && offsetof(EMENUITEM, value192) == 192 &&
              offsetof(EMENUITEM, value194) == 194);
static_assert(offsetof(EXTGF2005a, staffSlot) == 2 && offsetof(EXTGF2005a, measure) == 6 &&
              offsetof(EXTGF2005a, layer) == 8 && offsetof(EXTGF2005a, entries) == 14);
#if defined(_WIN32) && !defined(_WIN64)
// On the host's own 32-bit target the frame record's pointer fields are four
// bytes wide and every documented offset holds exactly.
static_assert(sizeof(void*) == 4);
static_assert(offsetof(EXTGF2005a, entryCount) == 18 && offsetof(EXTGF2005a, tuplets) == 20 &&
              offsetof(EXTGF2005a, tupletCount) == 24 && sizeof(EXTGF2005a) == 26);
#endif

namespace quavix {

// Entry flag bits (EXENTRY::flags) both sides read or write.
namespace entryflag {
inline constexpr std::uint32_t kNoteEntry = 0x40000000;  // the entry holds notes; clear for a rest
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

// Second flag word (EXENTRY::flags2).
namespace entryflag2 {
inline constexpr std::uint16_t kDropped2nd = 0x0004;
inline constexpr std::uint16_t kClearedWhenCopied = 0x0020;
}  // namespace entryflag2

// Note flag bits (EXNOTE::flags).
namespace noteflag {
inline constexpr std::uint32_t kCreated = 0x80000000;
inline constexpr std::uint32_t kTie = 0x40000000;
inline constexpr std::uint32_t kAccidental = 0x01000000;
// The low five bits of the note ID, kept in bits 16 to 20.
inline constexpr std::uint32_t kIdBits = 0x001F0000;
inline constexpr int kIdShift = 16;
}  // namespace noteflag

// The note ID bits of a note's flags for a given ID.
constexpr std::uint32_t NoteIdBits(std::int16_t noteId) {
  return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(noteId)) << noteflag::kIdShift) &
         noteflag::kIdBits;
}

// Pointer to a field at a byte offset inside a packed record, for the
// memcpy-based flag helpers.
template <typename Field, typename Record>
Field* FieldAt(Record* record, std::size_t offset) {
  return reinterpret_cast<Field*>(reinterpret_cast<unsigned char*>(record) + offset);
}

}  // namespace quavix
