#include "host/musicxml/RecordWriter.h"

#include <cstring>

#include "interface/MeasureRecords.h"

namespace host::musicxml {
namespace {

int Get16(const std::string& body, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(body[offset]) |
                                    (static_cast<unsigned char>(body[offset + 1]) << 8));
}

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
    const std::size_t close = source.find('>', static_cast<std::size_t>(barline.offset_debug()));
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
    patcher.Insert(source.find('>', static_cast<std::size_t>(measure.offset_debug())) + 1, element);
  } else {
    patcher.Insert(source.rfind("</measure", span.end), element);
  }
}

// The full name a staff's records give it: staff, text block, raw text.
std::string NameOf(const RecordStore& store, int staff) {
  const std::string* record = store.Find(kStaffTag, NumberedKey(static_cast<std::uint16_t>(staff)));
  if (record == nullptr || record->size() < kStaffRecordSize) return {};
  const std::string* block =
      store.Find(kTextBlockTag, NumberedKey(static_cast<std::uint16_t>(Get16(*record, 30))));
  if (block == nullptr || block->size() < 2) return {};
  const std::string* text =
      store.Find(kRawTextTag, NumberedKey(static_cast<std::uint16_t>(Get16(*block, 0))));
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

}  // namespace

std::vector<std::string> WriteRecordChanges(const ImportedScore& score, Patcher& patcher,
                                            const std::string& name) {
  std::vector<std::string> changes;
  const RecordStore& store = score.document.Records();
  for (std::size_t m = 0; m < score.measures.size(); ++m) {
    const MeasureOrigin& origin = score.measures[m];
    const std::string where = "measure " + std::to_string(m + 1);
    const std::string* record =
        store.Find(quavix::kMeasureTag, NumberedKey(static_cast<std::uint16_t>(m + 1)));
    if (record == nullptr || record->size() < sizeof(EDTMeasure)) {
      Fail(name, "the command removed the record of " + where + ", which cannot be written to MusicXML");
    }
    if (Get16(*record, 2) != KeyValue(origin.key)) {
      Fail(name, "the command changed the key of " + where + ", which cannot be written to MusicXML yet");
    }
    for (const bool left : {false, true}) {
      const int code = (Get16(*record, left ? 16 : 10) & quavix::measureflag::kBarlineMask) >>
                       quavix::measureflag::kBarlineShift;
      const int before = left ? origin.leftBarline : origin.rightBarline;
      if (code == before) continue;
      if (code > 6)
        Fail(name, "the command set an unknown barline code " + std::to_string(code) + " (" + where + ")");
      for (const pugi::xml_node& measure : origin.elements) WriteBarline(patcher, measure, left, code);
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
