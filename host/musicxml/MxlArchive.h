// Compressed MusicXML (.mxl): a zip archive whose META-INF/container.xml
// names the score file inside it.
#pragma once

#include <string>

namespace host::musicxml {

// True when the path ends in .mxl (any case).
bool IsMxlPath(const std::string& path);

struct MxlScore {
  std::string member;  // the score's name inside the archive
  std::string text;    // its bytes
};

// The score named by the archive's container file; throws MusicXmlError.
MxlScore ReadMxl(const std::string& path);

// Writes `output` as an archive holding `text` as its score: a copy of
// `input` (when it is an archive) with only the score member replaced, or
// else a new archive. Through a temporary file and a rename; throws
// MusicXmlError.
void WriteMxl(const std::string& output, const std::string& input, const std::string& text);

}  // namespace host::musicxml
