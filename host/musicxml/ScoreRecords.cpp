#include "host/musicxml/ScoreRecords.h"

#include <cstring>
#include <map>

#include "interface/MeasureRecords.h"

namespace host::musicxml {
namespace {

// Steps from C4 to the middle line of a five-line staff with this clef.
int MiddleLineSteps(const Clef& clef) {
  int reference = 6;  // the treble clef's B4, for clefs without a pitch
  int line = 3;
  if (clef.sign == 'G')
    reference = 4, line = clef.line;  // G4
  else if (clef.sign == 'F')
    reference = -4, line = clef.line;  // F3
  else if (clef.sign == 'C')
    reference = 0, line = clef.line;  // C4
  return reference + 2 * (3 - line) + 7 * clef.octaveChange;
}

}  // namespace

int ClefTable::IndexOf(const Clef& clef) {
  for (std::size_t i = 0; i < clefs_.size(); ++i) {
    if (clefs_[i] == clef) return static_cast<int>(i);
  }
  clefs_.push_back(clef);
  return static_cast<int>(clefs_.size()) - 1;
}

int BarlineCode(const std::string& barStyle) {
  static const std::map<std::string, int> kCodes = {
      {"regular", 0}, {"light-light", 1}, {"light-heavy", 2}, {"heavy-light", 3}, {"heavy-heavy", 4},
      {"heavy", 4},   {"dashed", 5},      {"dotted", 5},      {"none", 6},
  };
  const auto it = kCodes.find(barStyle);
  return it == kCodes.end() ? 0 : it->second;
}

const char* BarStyle(int code) {
  static constexpr const char* kStyles[] = {"regular",     "light-light", "light-heavy", "heavy-light",
                                            "heavy-heavy", "dashed",      "none"};
  return code >= 0 && code <= 6 ? kStyles[code] : "regular";
}

std::uint16_t TranspositionWord(int diatonic, int chromatic) {
  if (diatonic == 0 && chromatic == 0) return 0;
  // Semitones from C to each step of C major.
  static constexpr int kSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
  const int octaves = diatonic >= 0 ? diatonic / 7 : -((-diatonic + 6) / 7);
  const int expected = octaves * 12 + kSemitones[diatonic - octaves * 7];
  const int alteration = chromatic - expected;
  return static_cast<std::uint16_t>(0x2000 | (diatonic & 0xFF) | ((alteration & 0x0F) << 8));
}

std::uint16_t KeyValue(const Key& key) {
  return static_cast<std::uint16_t>((key.fifths & 0xFF) | (key.minor ? 0x0100 : 0));
}

void StoreScoreRecords(const std::vector<MeasureOrigin>& measures, const std::vector<StaffOrigin>& staves,
                       const ClefTable& clefs, int firstNumber, RecordStore& store) {
  for (std::size_t m = 0; m < measures.size(); ++m) {
    EDTMeasure record{};
    record.keySignature = static_cast<std::int16_t>(KeyValue(measures[m].key));
    record.meFlag =
        static_cast<std::uint16_t>(measures[m].rightBarline << quavix::measureflag::kBarlineShift);
    record.newFlag =
        static_cast<std::uint16_t>(measures[m].leftBarline << quavix::measureflag::kBarlineShift);
    store.Put(quavix::kMeasureTag, NumberedKey(static_cast<std::uint16_t>(m + 1)), BytesOf(record));
  }
  if (!measures.empty()) {
    EDTMeasureNumberRegion region{};
    region.startMeasure = 1;
    region.endMeasure = static_cast<std::int16_t>(measures.size() + 1);
    region.startNumber = static_cast<std::int16_t>(firstNumber - 1);
    store.Put(quavix::kMeasureNumberRegionTag, NumberedKey(1), BytesOf(region));
  }
  // One text block and raw text per part name; the staves of a part share it.
  std::map<std::string, std::uint16_t> blocks;
  for (std::size_t s = 0; s < staves.size(); ++s) {
    EDTStaff record{};
    record.transposition = TranspositionWord(staves[s].diatonic, staves[s].chromatic);
    if (!staves[s].partName.empty()) {
      auto [it, added] = blocks.emplace(staves[s].partName, static_cast<std::uint16_t>(blocks.size() + 1));
      if (added) {
        EDTTextBlock2004 block{};
        block.rawTextNumber = static_cast<std::int16_t>(it->second);  // the raw text has the block's number
        store.Put(kTextBlockTag, NumberedKey(it->second), BytesOf(block));
        store.Put(kRawTextTag, NumberedKey(it->second), staves[s].partName + '\0');
      }
      record.fullNameBlock = it->second;
    }
    store.Put(kStaffTag, NumberedKey(static_cast<std::uint16_t>(s + 1)), BytesOf(record));
  }
  for (std::size_t c = 0; c < clefs.Clefs().size(); ++c) {
    const Clef& clef = clefs.Clefs()[c];
    EDTClefDef record{};
    record.displacementOffset = static_cast<std::int16_t>(MiddleLineSteps(clef));
    // The host's own bytes say which clef it is.
    record.reserved2[0] = static_cast<std::uint8_t>(clef.sign);
    record.reserved2[1] = static_cast<std::uint8_t>(clef.line);
    record.reserved2[2] = static_cast<std::uint8_t>(clef.octaveChange);
    store.Put(kClefDefTag, NumberedKey(static_cast<std::uint16_t>(c)), BytesOf(record));
  }
}

}  // namespace host::musicxml
