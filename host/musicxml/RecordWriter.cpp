#include "host/musicxml/RecordWriter.h"

#include <cstddef>
#include <cstring>

#include "interface/MeasureRecords.h"

namespace host::musicxml {
namespace {

// The barline of a measure at its left or right end, or none.
pugi::xml_node BarlineAt(const pugi::xml_node& measure, bool left) {
  for (const pugi::xml_node& barline : measure.children("barline")) {
    const std::string location = barline.attribute("location").value();
    if (left ? location == "left" : location.empty() || location == "right") return barline;
  }
  return {};
}

void WriteBarline(Patcher& patcher, const pugi::xml_node& measure, bool left, int code) {
  const std::string& source = patcher.Source();
  const std::string style = std::string("<bar-style>") + BarStyle(code) + "</bar-style>";
  if (const pugi::xml_node barline = BarlineAt(measure, left)) {
    if (const pugi::xml_node barStyle = barline.child("bar-style")) {
      patcher.SetText(barStyle, BarStyle(code));
      return;
    }
    // The style comes first in a barline.
    const std::size_t close = StartTagEnd(source, barline);
    if (source[close - 1] == '/') {
      patcher.Replace({close - 1, close + 1}, ">" + style + "</barline>");
    } else {
      patcher.Insert(close + 1, style);
    }
    return;
  }
  if (code == 0) return;  // a regular barline needs no element
  const std::string element =
      std::string("<barline location=\"") + (left ? "left" : "right") + "\">" + style + "</barline>";
  const Span span = SpanOf(source, measure);
  if (left) {
    patcher.Insert(StartTagEnd(source, measure) + 1, element);
  } else {
    patcher.Insert(source.rfind("</measure", span.end), element);
  }
}

// The full name a staff's records give it: staff, text block, raw text.
std::string NameOf(const RecordStore& store, int staff) {
  EDTStaff record;
  EDTTextBlock2004 block;
  if (!RecordFrom(store.Find(kStaffTag, NumberedKey(static_cast<std::uint16_t>(staff))), record) ||
      !RecordFrom(store.Find(kTextBlockTag, NumberedKey(record.fullNameBlock)), block))
    return {};
  const std::string* text =
      store.Find(kRawTextTag, NumberedKey(static_cast<std::uint16_t>(block.rawTextNumber)));
  if (text == nullptr) return {};
  return text->substr(0, text->find('\0'));
}

// Whether the text can stand in an XML file: valid UTF-8 without control
// characters other than tab and line ends.
bool IsXmlText(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return false;
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
    for (int k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
    }
    i += static_cast<std::size_t>(length);
  }
  return true;
}

bool SameKey(const Key& a, const Key& b) { return a.fifths == b.fifths && a.minor == b.minor; }

std::string KeyName(const Key& key) {
  return std::to_string(key.fifths < 0 ? -key.fifths : key.fifths) + (key.fifths < 0 ? " flats" : " sharps") +
         (key.minor ? " minor" : " major");
}

// A <key> element for the key.
std::string KeyElement(const Key& key) {
  return "<key><fifths>" + std::to_string(key.fifths) + "</fifths>" +
         (key.minor ? "<mode>minor</mode>" : "") + "</key>";
}

// Gives an existing <key> another number of fifths and the mode.
void PatchKey(Patcher& patcher, const pugi::xml_node& key, int fifths, bool minor) {
  patcher.SetText(key.child("fifths"), std::to_string(fifths));
  const std::string mode = key.child_value("mode");
  const bool wasMinor = mode == "minor" || mode == "aeolian";
  if (wasMinor == minor) return;
  if (const pugi::xml_node element = key.child("mode")) {
    patcher.SetText(element, minor ? "minor" : "major");
  } else {
    patcher.Insert(SpanOf(patcher.Source(), key.child("fifths")).end, "<mode>minor</mode>");
  }
}

// Puts a key element at the start of a part's measure: into its leading
// attributes, where a key belongs (after footnote, level and divisions),
// or in attributes of its own.
void InsertKey(Patcher& patcher, const PartMeasure& part, const Key& key) {
  const std::string& source = patcher.Source();
  const pugi::xml_node attributes = part.leadingAttributes;
  if (!attributes) {
    const std::size_t afterStartTag = StartTagEnd(source, part.element) + 1;
    patcher.Insert(afterStartTag, "<attributes>" + KeyElement(key) + "</attributes>");
    return;
  }
  pugi::xml_node before;
  for (const char* name : {"footnote", "level", "divisions"}) {
    if (const pugi::xml_node element = attributes.child(name)) before = element;
  }
  if (before) {
    patcher.Insert(SpanOf(source, before).end, KeyElement(key));
    return;
  }
  const std::size_t close = StartTagEnd(source, attributes);
  if (source[close - 1] == '/') {
    // Built step by step: the release compiler warns falsely about `">" + ...`.
    std::string text = ">";
    text += KeyElement(key);
    text += "</attributes>";
    patcher.Replace({close - 1, close + 1}, text);
  } else {
    patcher.Insert(close + 1, KeyElement(key));
  }
}

}  // namespace

KeyPlan::KeyPlan(const ImportedScore& score, const std::string& name) : score_(score) {
  const RecordStore& store = score.document.Records();
  for (std::size_t m = 0; m < score.measures.size(); ++m) {
    const MeasureOrigin& origin = score.measures[m];
    EDTMeasure record;
    if (!RecordFrom(store.Find(quavix::kMeasureTag, NumberedKey(static_cast<std::uint16_t>(m + 1))),
                    record)) {
      Fail(name, "the command removed the record of measure " + std::to_string(m + 1) +
                     ", which cannot be written to MusicXML");
    }
    const int value = static_cast<std::uint16_t>(record.keySignature);
    if (value >= 512) {
      Fail(name, "the command gave measure " + std::to_string(m + 1) + " a non-standard key (" +
                     std::to_string(value) + "), which MusicXML cannot hold");
    }
    const Key wanted{static_cast<std::int8_t>(value & 0xFF), (value & 0x100) != 0};
    changed_.push_back(!SameKey(wanted, origin.key));
    const int shift = wanted.fifths - origin.key.fifths;
    std::vector<Cell> row;
    for (std::size_t p = 0; p < origin.parts.size(); ++p) {
      const PartMeasure& part = origin.parts[p];
      Cell cell;
      cell.key = {part.startKey.fifths + shift,
                  SameKey(wanted, origin.key) ? part.startKey.minor : wanted.minor};
      if (cell.key.fifths < -128 || cell.key.fifths > 127) {
        Fail(name,
             "the key of measure " + std::to_string(m + 1) + " moves a part beyond 128 flats or 127 sharps");
      }
      // What the file gives the part here unless a key is written: its own
      // key element, the key a change inside the measure before left, or
      // the key the measure before began with.
      const bool ownKey = part.leadingAttributes && part.leadingAttributes.child("key");
      const bool fromBefore = m > 0 && !ownKey && !score.measures[m - 1].parts[p].laterKeyChange;
      const Key given = fromBefore ? cells_[m - 1][p].key : part.startKey;
      cell.write = !SameKey(given, cell.key);
      row.push_back(cell);
    }
    cells_.push_back(std::move(row));
  }
}

Key KeyPlan::EntryKey(const EntryOrigin& origin, int measure, int staffId) const {
  if (!origin.keyFromMeasureStart || measure < 1 || measure > static_cast<int>(cells_.size()) ||
      staffId < 1 || staffId > static_cast<int>(score_.staves.size()))
    return origin.key;
  const auto part = static_cast<std::size_t>(score_.staves[static_cast<std::size_t>(staffId - 1)].part);
  const Key& start = score_.measures[static_cast<std::size_t>(measure - 1)].parts[part].startKey;
  const Key& now = cells_[static_cast<std::size_t>(measure - 1)][part].key;
  if (SameKey(start, now)) return origin.key;
  return {origin.key.fifths + now.fifths - start.fifths,
          now.minor != start.minor ? now.minor : origin.key.minor};
}

void KeyPlan::Write(Patcher& patcher, std::vector<std::string>& changes) const {
  for (std::size_t m = 0; m < cells_.size(); ++m) {
    const MeasureOrigin& origin = score_.measures[m];
    for (std::size_t p = 0; p < cells_[m].size(); ++p) {
      const Cell& cell = cells_[m][p];
      if (!cell.write) continue;
      const PartMeasure& part = origin.parts[p];
      if (!(part.leadingAttributes && part.leadingAttributes.child("key"))) {
        InsertKey(patcher, part, cell.key);
        continue;
      }
      // Every key of the leading attributes (one per staff, where they
      // differ) moves by the part's shift.
      const int shift = cell.key.fifths - part.startKey.fifths;
      for (const pugi::xml_node& key : part.leadingAttributes.children("key")) {
        PatchKey(patcher, key, key.child("fifths").text().as_int(0) + shift, cell.key.minor);
      }
    }
    if (changed_[m]) {
      changes.push_back("measure " + std::to_string(m + 1) + ": key " + KeyName(origin.key) + " -> " +
                        KeyName(cells_[m].empty() ? origin.key : cells_[m][0].key));
    }
  }
}

std::vector<std::string> WriteRecordChanges(const ImportedScore& score, const KeyPlan& keys, Patcher& patcher,
                                            const std::string& name) {
  std::vector<std::string> changes;
  keys.Write(patcher, changes);
  const RecordStore& store = score.document.Records();
  for (std::size_t m = 0; m < score.measures.size(); ++m) {
    const MeasureOrigin& origin = score.measures[m];
    const std::string where = "measure " + std::to_string(m + 1);
    EDTMeasure record;
    if (!RecordFrom(store.Find(quavix::kMeasureTag, NumberedKey(static_cast<std::uint16_t>(m + 1))), record))
      continue;  // the key plan refused it already
    for (const bool left : {false, true}) {
      const int code = ((left ? record.newFlag : record.meFlag) & quavix::measureflag::kBarlineMask) >>
                       quavix::measureflag::kBarlineShift;
      const int before = left ? origin.leftBarline : origin.rightBarline;
      if (code == before) continue;
      if (code > 6)
        Fail(name, "the command set an unknown barline code " + std::to_string(code) + " (" + where + ")");
      for (const PartMeasure& part : origin.parts) WriteBarline(patcher, part.element, left, code);
      changes.push_back(where + ": " + (left ? "left" : "right") + " barline " + BarStyle(before) + " -> " +
                        BarStyle(code));
    }
  }
  // A part's name is that of its staves, which share it.
  for (std::size_t s = 0; s < score.staves.size(); ++s) {
    const StaffOrigin& staff = score.staves[s];
    const std::string now = NameOf(store, static_cast<int>(s) + 1);
    if (s > 0 && score.staves[s - 1].part == staff.part) {
      if (now != NameOf(store, static_cast<int>(s))) {
        Fail(name, "the command gave the staves of one part different names (staff " + std::to_string(s + 1) +
                       "), which MusicXML cannot hold");
      }
      continue;
    }
    if (now == staff.partName) continue;
    if (!staff.partNameElement) Fail(name, "the command named a part that has no <part-name> element");
    if (!IsXmlText(now))
      Fail(name, "the command gave staff " + std::to_string(s + 1) + " a name that is not UTF-8 text");
    patcher.SetText(staff.partNameElement, EscapeText(now));
    changes.push_back("staff " + std::to_string(s + 1) + ": name \"" + staff.partName + "\" -> \"" + now +
                      "\"");
  }
  return changes;
}

}  // namespace host::musicxml
