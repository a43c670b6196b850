// Writes back what a command changed in the records MusicXML carries: the
// barlines of a measure (in every part) and the name of a part. Changes to
// records MusicXML cannot take back from here (a measure's key, a record
// removed) are clear errors.
#pragma once

#include <string>
#include <vector>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/SourcePatcher.h"

namespace host::musicxml {

// Adds the edits to the patcher; returns one line per change for the
// summary. Throws MusicXmlError naming `name`.
std::vector<std::string> WriteRecordChanges(const ImportedScore& score, Patcher& patcher,
                                            const std::string& name);

}  // namespace host::musicxml
