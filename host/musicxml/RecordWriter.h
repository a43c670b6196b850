// Writes back what a command changed in the records MusicXML carries: the
// key and the barlines of a measure (in every part) and the name of a part.
// A change MusicXML cannot hold (a record removed, a non-standard key) is a
// clear error.
#pragma once

#include <string>
#include <vector>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/SourcePatcher.h"

namespace host::musicxml {

// The keys each part has when each measure begins, once the command's key
// changes are written. A measure's key record is the key of the first
// staff: a change moves every part by as many fifths (so transposing parts
// keep their interval) and gives it the new mode. The key is written where
// the file would otherwise give another one, so a change to one measure
// also restores the old key in the measure after it.
class KeyPlan {
 public:
  // Throws MusicXmlError naming `name` for a key MusicXML cannot hold.
  KeyPlan(const ImportedScore& score, const std::string& name);
  // The key an entry's notes are written in: its staff's key shifted like
  // its part's, unless a key change in its measure came before it.
  Key EntryKey(const EntryOrigin& origin, int measure, int staffId) const;
  // Adds the key edits; one line per changed measure for the summary.
  void Write(Patcher& patcher, std::vector<std::string>& changes) const;

 private:
  struct Cell {
    Key key;             // in force when the measure begins, once written
    bool write = false;  // the file needs a key element for it
  };
  const ImportedScore& score_;
  std::vector<std::vector<Cell>> cells_;  // by measure - 1, then part
  std::vector<bool> changed_;             // by measure - 1: its record's key changed
};

// Adds the edits to the patcher; returns one line per change for the
// summary. Throws MusicXmlError naming `name`.
std::vector<std::string> WriteRecordChanges(const ImportedScore& score, const KeyPlan& keys, Patcher& patcher,
                                            const std::string& name);

}  // namespace host::musicxml
