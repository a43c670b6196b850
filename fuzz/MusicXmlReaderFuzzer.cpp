// Any bytes given to the MusicXML reader either read or give a clear error,
// and a score that reads is written back byte for byte when nothing changed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/MusicXmlWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  host::musicxml::ImportedScore score;
  try {
    host::musicxml::ReadMusicXml(text, "fuzz", score);
  } catch (const host::musicxml::MusicXmlError&) {
    return 0;
  }
  const host::musicxml::WrittenScore written = host::musicxml::WriteChanges(score, "fuzz");
  if (written.text != text || !written.changes.empty()) std::abort();
  return 0;
}
