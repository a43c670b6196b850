// Any bytes given to the MusicXML reader either read or give a clear error.
// A score that reads is written back byte for byte when nothing changed,
// and after notes are removed, added and swapped with rests all over, it is
// written (or refused with a clear error) and reads back as the changed
// document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/MusicXmlWriter.h"
#include "tests/musicxml/ScoreEdits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  host::musicxml::ImportedScore score;
  try {
    host::musicxml::ReadMusicXml(text, "fuzz", score);
  } catch (const host::musicxml::MusicXmlError&) {
    return 0;
  }
  const host::musicxml::WrittenScore unchanged = host::musicxml::WriteChanges(score, "fuzz");
  if (unchanged.text != text || !unchanged.changes.empty()) std::abort();

  qxtest::EditEntriesAllOver(score.document);
  host::musicxml::WrittenScore edited;
  try {
    edited = host::musicxml::WriteChanges(score, "fuzz");
  } catch (const host::musicxml::MusicXmlError&) {
    return 0;
  }
  host::musicxml::ImportedScore reread;
  host::musicxml::ReadMusicXml(edited.text, "fuzz", reread);  // an error here escapes: a finding
  if (qxtest::PitchesOf(reread) != qxtest::PitchesOf(score)) std::abort();

  // Keys and barlines changed all over are written, or refused clearly,
  // and read back as the changed records.
  host::musicxml::ImportedScore records;
  host::musicxml::ReadMusicXml(text, "fuzz", records);
  qxtest::EditMeasuresAllOver(records.document.Records(), records.document.MeasureCount());
  host::musicxml::WrittenScore withRecords;
  try {
    withRecords = host::musicxml::WriteChanges(records, "fuzz");
  } catch (const host::musicxml::MusicXmlError&) {
    return 0;
  }
  host::musicxml::ImportedScore again;
  host::musicxml::ReadMusicXml(withRecords.text, "fuzz", again);
  if (qxtest::MeasureRecordsOf(again) != qxtest::MeasureRecordsOf(records)) std::abort();
  return 0;
}
