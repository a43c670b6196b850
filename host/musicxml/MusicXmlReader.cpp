#include "host/musicxml/MusicXmlReader.h"

#include "host/musicxml/MxlArchive.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace host::musicxml {
namespace {

// Far beyond any written alteration, and well inside the host's 16 bits.
constexpr int kMaxAlteration = 12;

int LineAt(const std::string& text, std::ptrdiff_t offset) {
  const auto end = text.begin() + std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(text.size()));
  return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// The text of a child element as an integer; `fallback` when absent.
int ChildInt(const pugi::xml_node& node, const char* child, int fallback) {
  const pugi::xml_node element = node.child(child);
  return element ? element.text().as_int(fallback) : fallback;
}

double ChildNumber(const pugi::xml_node& node, const char* child, double fallback) {
  const pugi::xml_node element = node.child(child);
  return element ? element.text().as_double(fallback) : fallback;
}

// The children of a <note> this reader looks at, found in one pass: a
// large score has hundreds of thousands of notes.
struct NoteParts {
  explicit NoteParts(const pugi::xml_node& note) : element(note) {
    for (const pugi::xml_node& child : note.children()) {
      const char* name = child.name();
      switch (name[0]) {
        case 'a':
          Take(child, name, "accidental", accidental);
          break;
        case 'c':
          Take(child, name, "chord", chord);
          break;
        case 'd':
          Take(child, name, "duration", duration);
          break;
        case 'g':
          Take(child, name, "grace", grace);
          break;
        case 'p':
          sounds += Take(child, name, "pitch", pitch) ? 1 : 0;
          break;
        case 'r':
          sounds += Take(child, name, "rest", rest) ? 1 : 0;
          break;
        case 's':
          Take(child, name, "staff", staff);
          break;
        case 'u':
          sounds += Take(child, name, "unpitched", unpitched) ? 1 : 0;
          break;
        case 'v':
          Take(child, name, "voice", voice);
          break;
        case 't':
          if (std::strcmp(name, "tie") == 0 && std::strcmp(child.attribute("type").value(), "start") == 0)
            tieStart = true;
          break;
        default:
          break;
      }
    }
  }

  pugi::xml_node element, accidental, chord, duration, grace, pitch, rest, staff, unpitched, voice;
  bool tieStart = false;
  int sounds = 0;  // how many of <pitch>, <unpitched> and <rest> it has: one, in MusicXML

 private:
  // The first child of the name counts, as for pugixml's child(). Returns
  // whether the child has the name.
  static bool Take(const pugi::xml_node& child, const char* name, const char* wanted, pugi::xml_node& slot) {
    if (std::strcmp(name, wanted) != 0) return false;
    if (!slot) slot = child;
    return true;
  }
};

int IntOf(const pugi::xml_node& element, int fallback) {
  return element ? element.text().as_int(fallback) : fallback;
}

double NumberOf(const pugi::xml_node& element, double fallback) {
  return element ? element.text().as_double(fallback) : fallback;
}

// One entry being read, before it goes into its cell.
struct PendingEntry {
  int staffId = 0;
  int layer = 0;
  EXENTRY record{};
  EntryOrigin origin;
};

class PartReader {
 public:
  PartReader(const std::string& name, const pugi::xml_node& part, int firstSlot, int staves,
             ClefTable& clefTable)
      : name_(name),
        part_(part),
        firstSlot_(firstSlot),
        keys_(static_cast<std::size_t>(staves)),
        clefs_(static_cast<std::size_t>(staves), 0),
        voices_(static_cast<std::size_t>(staves)),
        clefTable_(clefTable) {}

  // What the measure just read gives its measure record: the key on the
  // first staff when it began, and its barlines.
  const MeasureOrigin& Measure() const { return measure_; }
  const PartMeasure& Part() const { return partMeasure_; }
  // The part's first transposition, octave changes included.
  int Diatonic() const { return diatonic_; }
  int Chromatic() const { return chromatic_; }

  // The measure's entries, in document order.
  std::vector<PendingEntry> ReadMeasure(const pugi::xml_node& measure, int number) {
    measureNumber_ = number;
    measure_ = MeasureOrigin{};
    partMeasure_ = PartMeasure{};
    partMeasure_.element = measure;
    begun_ = false;
    std::vector<PendingEntry> entries;
    double time = 0;    // EDU from the start of the measure
    int previous = -1;  // the entry of the last note that was not a chord note
    for (const pugi::xml_node& child : measure.children()) {
      const std::string element = child.name();
      if (!begun_ && (element == "note" || element == "backup" || element == "forward")) {
        measure_.key = keys_[0];
        partMeasure_.startKey = keys_[0];
        begun_ = true;
      }
      if (element == "barline") {
        ReadBarline(child);
      } else if (element == "attributes") {
        if (!begun_ && (!partMeasure_.leadingAttributes || child.child("key")))
          partMeasure_.leadingAttributes = child;
        ReadAttributes(child);
      } else if (element == "backup") {
        time -= Edu(ChildNumber(child, "duration", 0));
        if (time < 0) time = 0;
      } else if (element == "forward") {
        time += Edu(ChildNumber(child, "duration", 0));
      } else if (element == "note") {
        const NoteParts note(child);
        // The writer rewrites a note's one pitch or rest; two would read
        // back as something else.
        if (note.sounds != 1) {
          Fail(name_, std::string(note.sounds == 0 ? "a note with neither pitch, unpitched nor rest"
                                                   : "a note with more than one pitch, unpitched or rest") +
                          " (" + Where(StaffOf(note)) + ")");
        }
        if (note.chord && previous >= 0) {
          AddNote(entries[static_cast<std::size_t>(previous)], note);
          continue;
        }
        entries.push_back(StartEntry(note, time));
        previous = static_cast<int>(entries.size()) - 1;
        if (!note.grace) time += Edu(NumberOf(note.duration, 0));
      }
    }
    if (!begun_) measure_.key = partMeasure_.startKey = keys_[0];
    return entries;
  }

 private:
  double Edu(double divisions) const { return divisions * kEduPerQuarter / divisions_; }

  // The part and measure, and the staff when there is one.
  std::string Where(int staff = 0) const {
    std::string where =
        "part " + std::string(part_.attribute("id").value()) + ", measure " + std::to_string(measureNumber_);
    return staff > 0 ? where + ", staff " + std::to_string(staff) : where;
  }

  void ReadBarline(const pugi::xml_node& barline) {
    const int code = BarlineCode(barline.child_value("bar-style"));
    const std::string location = barline.attribute("location").value();
    if (location == "left") {
      measure_.leftBarline = code;
    } else if (location.empty() || location == "right") {
      measure_.rightBarline = code;
    }
  }

  void ReadClef(const pugi::xml_node& element) {
    Clef clef;
    const std::string sign = element.child_value("sign");
    clef.sign = sign == "G" || sign == "F" || sign == "C" ? sign[0]
                : sign == "TAB"                           ? 'T'
                : sign == "none"                          ? 'N'
                                                          : 'P';
    const int defaultLine = clef.sign == 'F'                       ? 4
                            : clef.sign == 'C' || clef.sign == 'P' ? 3
                            : clef.sign == 'T'                     ? 5
                                                                   : 2;
    clef.line = ChildInt(element, "line", defaultLine);
    if (clef.line < 1 || clef.line > 5) clef.line = defaultLine;  // lines of a five-line staff
    clef.octaveChange = ChildInt(element, "clef-octave-change", 0);
    if (clef.octaveChange < -2 || clef.octaveChange > 2)
      Fail(name_, "a clef more than two octaves off (" + Where() + ")");
    const int staff = element.attribute("number").as_int(1);
    if (staff < 1 || staff > static_cast<int>(clefs_.size())) return;  // a staff the part does not have
    clefs_[static_cast<std::size_t>(staff - 1)] = clefTable_.IndexOf(clef);
  }

  void ReadAttributes(const pugi::xml_node& attributes) {
    for (const pugi::xml_node& clef : attributes.children("clef")) ReadClef(clef);
    if (!transposed_) {
      if (const pugi::xml_node transpose = attributes.child("transpose")) {
        const int octaves = ChildInt(transpose, "octave-change", 0);
        diatonic_ = ChildInt(transpose, "diatonic", 0) + 7 * octaves;
        chromatic_ = static_cast<int>(std::lround(ChildNumber(transpose, "chromatic", 0))) + 12 * octaves;
        if (diatonic_ < -128 || diatonic_ > 127 || chromatic_ < -200 || chromatic_ > 200)
          Fail(name_, "a transposition beyond the host's (" + Where() + ")");
        transposed_ = true;
      }
    }
    if (pugi::xml_node divisions = attributes.child("divisions")) {
      const double value = divisions.text().as_double(0);
      if (!(value > 0)) Fail(name_, "divisions must be positive (" + Where() + ")");
      divisions_ = value;
    }
    for (const pugi::xml_node& key : attributes.children("key")) {
      if (!key.child("fifths"))
        Fail(name_, "non-traditional key signatures are not supported (" + Where() + ")");
      Key value;
      value.fifths = ChildInt(key, "fifths", 0);
      // The host keeps a key's accidentals in a signed byte.
      if (value.fifths < -128 || value.fifths > 127)
        Fail(name_, "a key of more than 128 flats or 127 sharps (" + Where() + ")");
      if (begun_) partMeasure_.laterKeyChange = true;
      const std::string mode = key.child_value("mode");
      value.minor = mode == "minor" || mode == "aeolian";
      const int staff = key.attribute("number").as_int(0);
      for (std::size_t s = 0; s < keys_.size(); ++s) {
        if (staff == 0 || staff == static_cast<int>(s) + 1) keys_[s] = value;
      }
    }
  }

  int StaffOf(const NoteParts& note) const {
    const int staff = IntOf(note.staff, 1);
    if (staff < 1 || staff > static_cast<int>(keys_.size())) {
      Fail(name_, "a note on staff " + std::to_string(staff) + " of a part with " +
                      std::to_string(keys_.size()) + " staves (" + Where(staff) + ")");
    }
    return staff;
  }

  int LayerOf(int staff, const NoteParts& note) {
    const char* written = note.voice.child_value();
    const std::string voice(*written != '\0' ? written : "1");
    auto& voices = voices_[static_cast<std::size_t>(staff - 1)];
    const auto it = std::find(voices.begin(), voices.end(), voice);
    if (it != voices.end()) return static_cast<int>(it - voices.begin());
    if (static_cast<int>(voices.size()) == kDefaultMaxLayers) {
      Fail(name_, "more than four voices on one staff: voice " + voice + " (" + Where(staff) + ")");
    }
    voices.push_back(voice);
    return static_cast<int>(voices.size()) - 1;
  }

  PendingEntry StartEntry(const NoteParts& note, double time) {
    const int staff = StaffOf(note);
    PendingEntry entry;
    entry.staffId = firstSlot_ + staff - 1;
    entry.layer = LayerOf(staff, note);
    entry.record.position = static_cast<std::int32_t>(std::lround(time));
    entry.record.duration =
        note.grace ? 0 : static_cast<std::int32_t>(std::lround(Edu(NumberOf(note.duration, 0))));
    entry.origin.key = keys_[static_cast<std::size_t>(staff - 1)];
    entry.origin.keyFromMeasureStart = !partMeasure_.laterKeyChange;
    entry.record.clef = static_cast<std::int16_t>(clefs_[static_cast<std::size_t>(staff - 1)]);
    entry.origin.first = note.element;
    if (!note.rest) AddNote(entry, note);
    return entry;
  }

  void AddNote(PendingEntry& entry, const NoteParts& note) {
    EXENTRY& record = entry.record;
    if (note.rest) return;  // a rest within a chord adds nothing
    if (record.noteCount >= quavix::kMaxNotesPerEntry) {
      Fail(name_, "a chord of more than 12 notes (" + Where(StaffOf(note)) + ")");
    }
    WrittenPitch written;
    if (const pugi::xml_node pitch = note.pitch) {
      if (!pitch.child("step") || !pitch.child("octave"))
        Fail(name_, "a pitch without a step or an octave (" + Where(StaffOf(note)) + ")");
      written.step = pitch.child_value("step")[0];
      const double alter = ChildNumber(pitch, "alter", 0);
      if (!(alter >= -kMaxAlteration && alter <= kMaxAlteration)) {
        Fail(name_, "an alteration beyond " + std::to_string(kMaxAlteration) + " semitones (" +
                        Where(StaffOf(note)) + ")");
      }
      written.alter = static_cast<int>(std::lround(alter));
      written.octave = ChildInt(pitch, "octave", 4);
    } else if (const pugi::xml_node unpitched = note.unpitched) {
      written.step = unpitched.child_value("display-step")[0];
      written.octave = ChildInt(unpitched, "display-octave", 4);
      if (written.step == '\0') written.step = 'E';
    }
    if (written.octave < 0 || written.octave > 9) {
      Fail(name_, "an octave outside 0 to 9 (" + Where(StaffOf(note)) + ")");
    }
    if (written.step < 'A' || written.step > 'G')
      Fail(name_, "a pitch step that is not A to G (" + Where(StaffOf(note)) + ")");
    const HostPitch pitch = ToHostPitch(written, entry.origin.key);
    EXNOTE& n = record.notes[record.noteCount];
    n.displacement = static_cast<std::int16_t>(pitch.displacement);
    n.raiseLower = static_cast<std::int16_t>(pitch.raiseLower);
    n.noteId = static_cast<std::int16_t>(record.noteCount + 1);
    n.flags = quavix::NoteIdBits(n.noteId);
    if (note.tieStart) n.flags |= quavix::noteflag::kTie;
    if (note.accidental) n.flags |= quavix::noteflag::kAccidental;
    ++record.noteCount;
    record.flags |= quavix::entryflag::kNoteEntry;
    entry.origin.notes.push_back(note.element);
    entry.origin.pitches.push_back(written);
  }

  const std::string& name_;
  pugi::xml_node part_;
  int firstSlot_;
  std::vector<Key> keys_;                         // by staff, in force now
  std::vector<int> clefs_;                        // by staff: the clef index in force now
  std::vector<std::vector<std::string>> voices_;  // by staff: voice names in layer order
  ClefTable& clefTable_;
  MeasureOrigin measure_;
  PartMeasure partMeasure_;
  bool begun_ = false;  // past what comes before the measure's first onset
  bool transposed_ = false;
  int diatonic_ = 0;
  int chromatic_ = 0;
  double divisions_ = 1;
  int measureNumber_ = 0;
};

// The most staves the part's attributes give it; throws for a number the
// host cannot hold.
int StavesOf(const std::string& name, const pugi::xml_node& part) {
  int staves = 1;
  for (const pugi::xml_node& measure : part.children("measure")) {
    for (const pugi::xml_node& attributes : measure.children("attributes")) {
      const int count = ChildInt(attributes, "staves", 1);
      if (count < 1 || count > kMaxInt16) {
        Fail(name, "part " + std::string(part.attribute("id").value()) + " has " +
                       attributes.child_value("staves") + " staves");
      }
      staves = std::max(staves, count);
    }
  }
  return staves;
}

}  // namespace

void Fail(const std::string& name, const std::string& problem) { throw MusicXmlError(name + ": " + problem); }

void ReadMusicXmlFile(const std::string& path, ImportedScore& score) {
  if (IsMxlPath(path)) {
    ReadMusicXml(ReadMxl(path).text, path, score);
    return;
  }
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) Fail(path, "cannot open the file");
  // Read in one piece: scores run to tens of megabytes.
  const std::streamoff size = in.tellg();
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  in.seekg(0);
  if (size < 0 || !in.read(text.data(), static_cast<std::streamsize>(text.size())))
    Fail(path, "cannot read the file");
  ReadMusicXml(std::move(text), path, score);
}

void ReadMusicXml(std::string text, const std::string& name, ImportedScore& score) {
  score.text = std::move(text);
  const pugi::xml_parse_result parsed = score.xml.load_buffer(
      score.text.data(), score.text.size(), pugi::parse_full | pugi::parse_ws_pcdata, pugi::encoding_auto);
  if (!parsed) {
    Fail(name, "malformed XML at line " + std::to_string(LineAt(score.text, parsed.offset)) + ": " +
                   parsed.description());
  }
  // The writer patches the file's own bytes at the parser's offsets, which
  // hold for UTF-8 input only.
  if (parsed.encoding != pugi::encoding_utf8) Fail(name, "only UTF-8 MusicXML files are supported");
  const pugi::xml_node root = score.xml.document_element();
  if (std::strcmp(root.name(), "score-timewise") == 0) {
    Fail(name, "timewise MusicXML is not supported; convert the score to partwise");
  }
  if (std::strcmp(root.name(), "score-partwise") != 0) {
    Fail(name, std::string("not a MusicXML score (the root element is <") + root.name() + ">)");
  }
  std::vector<pugi::xml_node> parts;
  for (const pugi::xml_node& part : root.children("part")) parts.push_back(part);
  if (parts.empty()) Fail(name, "the score has no parts");
  const auto measures = static_cast<int>(
      std::distance(parts[0].children("measure").begin(), parts[0].children("measure").end()));
  std::vector<int> staffIds;
  std::vector<int> firstSlots;
  std::vector<int> staves;
  for (const pugi::xml_node& part : parts) {
    const auto count =
        static_cast<int>(std::distance(part.children("measure").begin(), part.children("measure").end()));
    if (count != measures) {
      Fail(name, "parts with different numbers of measures (part " +
                     std::string(parts[0].attribute("id").value()) + " has " + std::to_string(measures) +
                     ", part " + part.attribute("id").value() + " has " + std::to_string(count) + ")");
    }
    firstSlots.push_back(static_cast<int>(staffIds.size()) + 1);
    staves.push_back(StavesOf(name, part));
    if (staffIds.size() + static_cast<std::size_t>(staves.back()) > static_cast<std::size_t>(kMaxInt16))
      Fail(name, "more staves than the host can hold");
    for (int s = staves.back(); s > 0; --s) staffIds.push_back(static_cast<int>(staffIds.size()) + 1);
  }
  if (staffIds.size() > static_cast<std::size_t>(kMaxInt16) || measures > kMaxInt16) {
    Fail(name, "more staves or measures than the host can hold");
  }
  score.document = Document();
  score.origins.clear();
  score.measures.clear();
  score.staves.clear();
  score.document.SetStaves(staffIds);
  score.document.SetMeasureCount(measures);

  std::map<std::string, pugi::xml_node> partNames;  // by part ID
  for (const pugi::xml_node& scorePart : root.child("part-list").children("score-part")) {
    partNames[scorePart.attribute("id").value()] = scorePart.child("part-name");
  }
  ClefTable clefTable;
  for (std::size_t p = 0; p < parts.size(); ++p) {
    PartReader reader(name, parts[p], firstSlots[p], staves[p], clefTable);
    int measureNumber = 0;
    for (const pugi::xml_node& measure : parts[p].children("measure")) {
      ++measureNumber;
      std::vector<PendingEntry> entries = reader.ReadMeasure(measure, measureNumber);
      if (p == 0) score.measures.push_back(reader.Measure());
      score.measures[static_cast<std::size_t>(measureNumber - 1)].parts.push_back(reader.Part());
      // Each cell's entries in time order; equal onsets keep document order,
      // so a grace note stays before the note it leads to.
      std::stable_sort(entries.begin(), entries.end(), [](const PendingEntry& a, const PendingEntry& b) {
        return a.record.position < b.record.position;
      });
      for (PendingEntry& entry : entries) {
        // A fresh document numbers entries 1, 2, 3, ... as they come.
        if (score.document.NextEntryNumber() != score.origins.size() + 1)
          throw std::logic_error("entries numbered out of turn");
        score.document.AddEntry(entry.staffId, measureNumber, entry.layer, entry.record);
        score.origins.push_back(std::move(entry.origin));
      }
    }
    StaffOrigin staff;
    staff.part = static_cast<int>(p);
    staff.partNameElement = partNames[parts[p].attribute("id").value()];
    staff.partName = staff.partNameElement.child_value();
    staff.diatonic = reader.Diatonic();
    staff.chromatic = reader.Chromatic();
    for (int s = 0; s < staves[p]; ++s) score.staves.push_back(staff);
  }
  const pugi::xml_node firstMeasure = parts[0].child("measure");
  char* end = nullptr;
  const char* number = firstMeasure.attribute("number").value();
  const long first = std::strtol(number, &end, 10);
  const bool numeric = *number != '\0' && *end == '\0' && first >= -32767 && first <= 32767;
  StoreScoreRecords(score.measures, score.staves, clefTable, numeric ? static_cast<int>(first) : 1,
                    score.document.Records());
}

}  // namespace host::musicxml
