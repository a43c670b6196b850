// The data records of an imported score, as the host keeps them:
//
//   SOMS  one per measure (26 bytes): the key value at offset 2 from the key
//         in force on the first staff when the measure begins; the right
//         barline code in meFlag bits 4-7, the left one in newFlag bits 4-7
//   SOMN  one measure-number region over the whole score (196 bytes),
//         numbered from the first measure's number attribute (1 when it is
//         not a number)
//   SOIS  one per staff (114 bytes): the transposition word at offset 20,
//         the full-name text block at offset 30 (0 when the part has no name)
//   SOTX  one text block per named part (26 bytes): its raw text at offset 0
//   txbl  one raw text per named part: the part name, as written (UTF-8),
//         with its terminating NUL
//   gbcf  one clef definition per clef the score uses (18 bytes), index 0
//         the treble clef; offset 0 holds the diatonic steps from C4 to the
//         clef's middle staff line, offset 2 the clef sign, 3 its line and
//         4 its octave change. Each entry's clef field names the clef in
//         force on its staff.
//
// Barline codes: 0 regular (or none written), 1 light-light, 2 light-heavy,
// 3 heavy-light, 4 heavy-heavy or heavy, 5 dashed or dotted, 6 none. Other
// styles read as 0.
#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/document/RecordStore.h"
#include "host/musicxml/PitchMapping.h"
#include "interface/HostRecords.h"
#include "interface/MeasureRecords.h"
#include "interface/RecordTags.h"

namespace host::musicxml {

inline constexpr std::uint32_t kStaffTag = quavix::tag::kStaff;
inline constexpr std::uint32_t kTextBlockTag = quavix::tag::kTextBlock;
inline constexpr std::uint32_t kRawTextTag = quavix::tag::kRawText;
inline constexpr std::uint32_t kClefDefTag = quavix::tag::kClefDef;

// What a measure's record is made from, with the elements it came from.
// One part's <measure>, as far as its key is concerned.
struct PartMeasure {
  pugi::xml_node element;            // the <measure>
  pugi::xml_node leadingAttributes;  // <attributes> before its first onset, or none
  Key startKey;                      // of the part's first staff, when the measure begins
  bool laterKeyChange = false;       // a <key> after the first onset
};

struct MeasureOrigin {
  Key key;              // on the first staff, when the measure begins
  int leftBarline = 0;  // codes as above, from the first part
  int rightBarline = 0;
  std::vector<PartMeasure> parts;  // in part order
};

struct StaffOrigin {
  int part = 0;          // index of the part, from 0
  std::string partName;  // empty: none
  int diatonic = 0;      // the part's transposition, octave changes included
  int chromatic = 0;
  pugi::xml_node partNameElement;  // <part-name>, or none
};

struct Clef {
  char sign = 'G';
  int line = 2;
  int octaveChange = 0;
  bool operator==(const Clef& other) const {
    return sign == other.sign && line == other.line && octaveChange == other.octaveChange;
  }
};

// The clefs a score uses, by index; index 0 is always the treble clef.
class ClefTable {
 public:
  ClefTable() : clefs_{Clef{}} {}
  // The index of the clef, added when new.
  int IndexOf(const Clef& clef);
  const std::vector<Clef>& Clefs() const { return clefs_; }

 private:
  std::vector<Clef> clefs_;
};

// A record's bytes as stored, and stored bytes as a record: false when they
// are too few for it.
template <typename Record>
std::string BytesOf(const Record& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}
template <typename Record>
bool RecordFrom(const std::string* bytes, Record& record) {
  if (bytes == nullptr || bytes->size() < sizeof record) return false;
  std::memcpy(&record, bytes->data(), sizeof record);
  return true;
}

// The barline code of a <bar-style> text, and the text of a code (0-6).
int BarlineCode(const std::string& barStyle);
const char* BarStyle(int code);
// The transposition word: bit 13 set, the interval (diatonic steps) in bits
// 0-7 and the alteration in bits 8-11, both signed. The alteration counts
// from the note that many steps from C in C major: an instrument in B flat
// (diatonic -1, chromatic -2) is one step down to B, lowered by one.
std::uint16_t TranspositionWord(int diatonic, int chromatic);
// The key value of a key: accidentals in bits 0-7 (sharps positive), bit 8
// for minor.
std::uint16_t KeyValue(const Key& key);

// Stores the score's records; measure numbers from `firstNumber`.
void StoreScoreRecords(const std::vector<MeasureOrigin>& measures, const std::vector<StaffOrigin>& staves,
                       const ClefTable& clefs, int firstNumber, RecordStore& store);

}  // namespace host::musicxml
