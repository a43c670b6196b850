// Reads a partwise MusicXML score into the host's document.
//
// Each part's staves, in part order and then staff order, are the staff
// slots 1..N, and staff IDs equal slots. Host measure n is the n-th
// <measure> of every part. On each staff the voices, in the order they first
// appear, are layers 0 to 3. An entry's position is its onset in the measure
// in EDU (1024 a quarter note); a <chord/> note joins the entry before it, a
// rest is an entry without notes, a grace note an entry at the onset of the
// note after it. Pitches map as PitchMapping.h says, with the key in force on
// the staff. The document's data records are made as ScoreRecords.h says.
#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/document/Document.h"
#include "host/musicxml/PitchMapping.h"
#include "host/musicxml/ScoreRecords.h"

namespace host::musicxml {

// The score cannot be read: the message names the file and the problem.
class MusicXmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws MusicXmlError for the named file: "name: problem".
[[noreturn]] void Fail(const std::string& name, const std::string& problem);

inline constexpr int kEduPerQuarter = 1024;

// Where an entry of the document came from.
struct EntryOrigin {
  Key key;                            // in force at the entry
  bool keyFromMeasureStart = true;    // no key change before it in its measure
  pugi::xml_node first;               // the <note> element that began it (a rest for a rest)
  std::vector<pugi::xml_node> notes;  // the <note> elements of its notes; note ID n is notes[n - 1]
  std::vector<WrittenPitch> pitches;  // their pitches as written
};

struct ImportedScore {
  std::string text;        // the file's bytes as read
  pugi::xml_document xml;  // parsed from them, comments and whitespace kept
  Document document;
  std::vector<EntryOrigin> origins;     // entry number n came from origins[n - 1]
  std::vector<MeasureOrigin> measures;  // measure n from measures[n - 1]
  std::vector<StaffOrigin> staves;      // staff n from staves[n - 1]

  // Where an entry came from; null for an entry the reader did not make.
  const EntryOrigin* OriginOf(std::uint32_t entryNumber) const {
    return entryNumber >= 1 && entryNumber <= origins.size() ? &origins[entryNumber - 1] : nullptr;
  }
};

// Reads the file; throws MusicXmlError.
void ReadMusicXmlFile(const std::string& path, ImportedScore& score);
// Reads a score from memory; `name` stands for the file in messages.
void ReadMusicXml(std::string text, const std::string& name, ImportedScore& score);

}  // namespace host::musicxml
