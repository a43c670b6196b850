// Writes the document's changes back into the MusicXML file it was read
// from. Only what changed is rewritten, in the file's own bytes: everything
// else (declaration, DOCTYPE, comments, whitespace, line ends) stays as the
// user wrote it. A changed pitch rewrites that note's step, alteration and
// octave, never its sounding pitch.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/musicxml/MusicXmlReader.h"

namespace host::musicxml {

struct EntryChange {
  int measure = 0;
  int staffId = 0;
  int layer = 0;
  int position = 0;
  std::vector<std::string> before;  // pitches in scientific pitch notation, in note order
  std::vector<std::string> after;
};

struct WrittenScore {
  std::string text;
  std::vector<EntryChange> changes;
  std::vector<std::string> recordChanges;  // barlines and names, a line each
};

// "C#4", "Bb3", "F##5".
std::string ScientificPitch(const WrittenPitch& pitch);

// The file with the document's changes; throws MusicXmlError, naming `name`,
// for a change MusicXML cannot hold or this writer cannot express.
WrittenScore WriteChanges(const ImportedScore& score, const std::string& name);

// Writes the file through a temporary file beside it, then renames it: the
// path never holds a partial file. Throws MusicXmlError.
void WriteFileAtomically(const std::string& path, const std::string& text);

// Where a file is written before it is renamed to its path: beside it, hidden.
std::filesystem::path TemporaryPathFor(const std::string& path);

}  // namespace host::musicxml
