// Layouts of the measure record and the measure-number region record, which
// the host stores and the module reads and writes through the data-record
// functions. Packed and little-endian; "reserved" bytes belong to the host
// and travel with the record unchanged.
#pragma once

#include <cstddef>
#include <cstdint>

#include "interface/HostRecords.h"
#include "interface/HostTypes.h"
#include "interface/RecordTags.h"

namespace quavix {
inline constexpr std::uint32_t kMeasureTag = tag::kMeasure;
inline constexpr std::uint32_t kMeasureNumberRegionTag = tag::kMeasureNumberRegion;

namespace measureflag {
// auxFlag
inline constexpr std::uint16_t kPositioningMask = 0x0007;
inline constexpr std::uint16_t kTimeSignatureDisplay2 = 0x0010;
inline constexpr std::uint16_t kKeySignatureDisplay2 = 0x0020;
inline constexpr std::uint16_t kShowFullNames = 0x0800;
// meFlag
inline constexpr std::uint16_t kTimeSignatureDisplay1 = 0x0400;
inline constexpr std::uint16_t kKeySignatureDisplay1 = 0x0800;
// meFlag (right barline) and newFlag (left barline): the barline code
inline constexpr std::uint16_t kBarlineMask = 0x00F0;
inline constexpr int kBarlineShift = 4;
}  // namespace measureflag
}  // namespace quavix

// One measure, keyed by its number.
struct QX_PACKED EDTMeasure {
  std::uint8_t reserved0[2];
  std::int16_t keySignature;  // the key value: accidentals in bits 0-7, minor in bit 8
  std::uint8_t reserved4[4];
  std::uint16_t auxFlag;
  std::uint16_t meFlag;
  std::uint8_t reserved12[4];
  std::uint16_t newFlag;
  std::uint8_t reserved18[8];
};
static_assert(sizeof(EDTMeasure) == 26);
static_assert(offsetof(EDTMeasure, keySignature) == 2 && offsetof(EDTMeasure, auxFlag) == 8 &&
              offsetof(EDTMeasure, meFlag) == 10 && offsetof(EDTMeasure, newFlag) == 16);

// How measures are numbered on the page, for a run of measures; the layout
// of hosts from 0x0F000000 on. endMeasure is the last measure plus one,
// startNumber the first number minus one; prefix and suffix are texts that
// need not end in NUL within their fields.
struct QX_PACKED EDTMeasureNumberRegion {
  std::uint8_t reserved0[132];
  std::int16_t startMeasure;
  std::int16_t endMeasure;
  std::uint8_t reserved136[4];
  std::int16_t startNumber;
  char prefix[24];
  char suffix[30];
};
static_assert(sizeof(EDTMeasureNumberRegion) == 196);
static_assert(offsetof(EDTMeasureNumberRegion, startMeasure) == 132 &&
              offsetof(EDTMeasureNumberRegion, startNumber) == 140 &&
              offsetof(EDTMeasureNumberRegion, prefix) == 142 &&
              offsetof(EDTMeasureNumberRegion, suffix) == 166);

// The same for hosts before 0x0F000000.
struct QX_PACKED EDTMeasureNumberRegionOld {
  std::uint8_t reserved0[6];
  std::int16_t startMeasure;
  std::int16_t endMeasure;
  std::uint8_t reserved10[6];
  std::int16_t startNumber;
  std::uint8_t reserved18[4];
  char prefix[24];
  char suffix[42];
};
static_assert(sizeof(EDTMeasureNumberRegionOld) == 88);
static_assert(offsetof(EDTMeasureNumberRegionOld, startMeasure) == 6 &&
              offsetof(EDTMeasureNumberRegionOld, startNumber) == 16 &&
              offsetof(EDTMeasureNumberRegionOld, prefix) == 22 &&
              offsetof(EDTMeasureNumberRegionOld, suffix) == 46);
