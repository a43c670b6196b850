#include "host/musicxml/ScoreDump.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "host/musicxml/MusicXmlWriter.h"
#include "host/musicxml/ScoreRecords.h"
#include "interface/MeasureRecords.h"

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

// A field of a record as the dump shows it: a number or a text.
struct Field {
  std::string name;
  long number = 0;
  std::string text;
  bool isText = false;
};

Field Number(std::string name, long value) { return Field{std::move(name), value, "", false}; }
Field Text(std::string name, std::string value) { return Field{std::move(name), 0, std::move(value), true}; }

std::string TagName(std::uint32_t tag) {
  std::string name;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = static_cast<char>((tag >> shift) & 0xFF);
    if (c < 0x20 || c > 0x7E) return Hex(tag, 8);
    name += c;
  }
  return name;
}

// A text field: up to its NUL or the end of the field.
template <std::size_t N>
std::string TextIn(const char (&field)[N]) {
  return std::string(field, static_cast<std::size_t>(std::find(field, field + N, '\0') - field));
}

// What the host's records mean, for the tags the reader makes
// (ScoreRecords.h); other records show their size only.
std::vector<Field> FieldsOf(std::uint32_t tag, const std::string& body) {
  const int barlineShift = quavix::measureflag::kBarlineShift;
  if (EDTMeasure measure; tag == quavix::kMeasureTag && RecordFrom(&body, measure)) {
    return {Number("key value", static_cast<std::uint16_t>(measure.keySignature)),
            Number("right barline", (measure.meFlag & quavix::measureflag::kBarlineMask) >> barlineShift),
            Number("left barline", (measure.newFlag & quavix::measureflag::kBarlineMask) >> barlineShift)};
  }
  if (EDTMeasureNumberRegion region; tag == quavix::kMeasureNumberRegionTag && RecordFrom(&body, region)) {
    return {Number("start measure", region.startMeasure), Number("end measure", region.endMeasure - 1),
            Number("start number", region.startNumber + 1), Text("prefix", TextIn(region.prefix)),
            Text("suffix", TextIn(region.suffix))};
  }
  if (EDTStaff staff; tag == kStaffTag && RecordFrom(&body, staff))
    return {Number("transposition", staff.transposition), Number("full name block", staff.fullNameBlock)};
  if (EDTTextBlock2004 block; tag == kTextBlockTag && RecordFrom(&body, block))
    return {Number("raw text", block.rawTextNumber)};
  if (tag == kRawTextTag) return {Text("text", body.substr(0, body.find('\0')))};
  if (EDTClefDef clef; tag == kClefDefTag && RecordFrom(&body, clef)) {
    return {Number("middle line steps above C4", clef.displacementOffset),
            Text("sign", std::string(1, static_cast<char>(clef.reserved2[0]))),
            Number("line", clef.reserved2[1]),
            Number("octave change", static_cast<std::int8_t>(clef.reserved2[2]))};
  }
  return {};
}

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::vector<long> KeyFields(const RecordKey& key) {
  return {KeyUnsigned16(key, 0), KeyUnsigned16(key, 2), KeyUnsigned16(key, 4), KeyUnsigned16(key, 6)};
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
  for (const RecordStore::Record& record : doc.Records().All()) {
    const std::vector<long> key = KeyFields(record.key);
    out << "record " << TagName(record.tag) << " key " << key[0] << ' ' << key[1] << ' ' << key[2] << ' '
        << key[3] << ": " << record.body->size() << " bytes";
    for (const Field& field : FieldsOf(record.tag, *record.body)) {
      out << ", " << field.name << ' '
          << (field.isText ? "\"" + field.text + "\"" : std::to_string(field.number));
    }
    out << '\n';
  }
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
  out << "\n  ],\n  \"records\": [";
  bool firstRecord = true;
  for (const RecordStore::Record& record : doc.Records().All()) {
    const std::vector<long> key = KeyFields(record.key);
    out << (firstRecord ? "\n" : ",\n") << "    {\"tag\": " << JsonText(TagName(record.tag)) << ", \"key\": ["
        << key[0] << ", " << key[1] << ", " << key[2] << ", " << key[3]
        << "], \"size\": " << record.body->size();
    firstRecord = false;
    for (const Field& field : FieldsOf(record.tag, *record.body)) {
      out << ", " << JsonText(field.name) << ": "
          << (field.isText ? JsonText(field.text) : std::to_string(field.number));
    }
    out << "}";
  }
  out << "\n  ]\n}\n";
}

}  // namespace host::musicxml
