// The host's document as read from a score, in a stable text form or as
// JSON: staves, measures, and every frame with its entries and notes (and
// the pitch each note spells in the key in force).
#pragma once

#include <ostream>

#include "host/musicxml/MusicXmlReader.h"

namespace host::musicxml {

void DumpText(const ImportedScore& score, std::ostream& out);
void DumpJson(const ImportedScore& score, std::ostream& out);

}  // namespace host::musicxml
