#include "host/musicxml/ScoreDump.h"

#include <cstdio>
#include <string>

#include "host/musicxml/MusicXmlWriter.h"

namespace host::musicxml {
namespace {

std::string Hex(std::uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
  return text;
}

std::string Spelled(const ImportedScore& score, const EXENTRY& entry, const EXNOTE& note) {
  const EntryOrigin* origin = score.OriginOf(std::uint32_t{entry.entryNumber});
  const Key key = origin != nullptr ? origin->key : Key{};
  return ScientificPitch(ToWrittenPitch({note.displacement, note.raiseLower}, key));
}

// Calls visit(staffId, measure, layer, entries) for every frame with entries.
template <typename Visit>
void ForEachFrame(const Document& doc, Visit visit) {
  for (int slot = 1; slot <= doc.StaffCount(); ++slot) {
    const int staffId = doc.StaffAtSlot(slot);
    for (int measure = 1; measure <= doc.MeasureCount(); ++measure) {
      for (int layer = 0; layer < doc.MaxLayers(); ++layer) {
        const auto& entries = doc.Entries(staffId, measure, layer);
        if (!entries.empty()) visit(staffId, measure, layer, entries);
      }
    }
  }
}

}  // namespace

void DumpText(const ImportedScore& score, std::ostream& out) {
  const Document& doc = score.document;
  out << "staves: " << doc.StaffCount() << '\n';
  out << "measures: " << doc.MeasureCount() << '\n';
  ForEachFrame(doc, [&](int staffId, int measure, int layer, const std::vector<EXENTRY>& entries) {
    out << "frame staff " << staffId << " measure " << measure << " layer " << layer + 1 << ": "
        << entries.size() << (entries.size() == 1 ? " entry\n" : " entries\n");
    for (const EXENTRY& entry : entries) {
      out << "  entry " << entry.entryNumber << " at " << entry.position << ", duration " << entry.duration
          << ", flags " << Hex(entry.flags, 8) << ", flags2 " << Hex(entry.flags2, 4) << ", "
          << (entry.noteCount == 0 ? std::string("rest") : std::to_string(entry.noteCount) + " notes")
          << '\n';
      for (int i = 0; i < entry.noteCount; ++i) {
        const EXNOTE& note = entry.notes[i];
        out << "    note " << i + 1 << ": displacement " << note.displacement << ", raise/lower "
            << note.raiseLower << ", id " << note.noteId << ", flags " << Hex(note.flags, 8) << ", "
            << Spelled(score, entry, note) << '\n';
      }
    }
  });
}

void DumpJson(const ImportedScore& score, std::ostream& out) {
  const Document& doc = score.document;
  out << "{\n  \"staves\": " << doc.StaffCount() << ",\n  \"measures\": " << doc.MeasureCount()
      << ",\n  \"frames\": [";
  bool firstFrame = true;
  ForEachFrame(doc, [&](int staffId, int measure, int layer, const std::vector<EXENTRY>& entries) {
    out << (firstFrame ? "\n" : ",\n") << "    {\"staff\": " << staffId << ", \"measure\": " << measure
        << ", \"layer\": " << layer + 1 << ", \"entries\": [";
    firstFrame = false;
    for (std::size_t e = 0; e < entries.size(); ++e) {
      const EXENTRY& entry = entries[e];
      out << (e == 0 ? "\n" : ",\n") << "      {\"number\": " << entry.entryNumber
          << ", \"position\": " << entry.position << ", \"duration\": " << entry.duration
          << ", \"flags\": " << entry.flags << ", \"flags2\": " << entry.flags2 << ", \"notes\": [";
      for (int i = 0; i < entry.noteCount; ++i) {
        const EXNOTE& note = entry.notes[i];
        out << (i == 0 ? "" : ", ") << "{\"displacement\": " << note.displacement
            << ", \"raiseLower\": " << note.raiseLower << ", \"id\": " << note.noteId
            << ", \"flags\": " << note.flags << ", \"pitch\": \"" << Spelled(score, entry, note) << "\"}";
      }
      out << "]}";
    }
    out << "\n    ]}";
  });
  out << "\n  ]\n}\n";
}

}  // namespace host::musicxml
