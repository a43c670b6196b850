#include "host/musicxml/MusicXmlWriter.h"

#include "host/musicxml/RecordWriter.h"
#include "host/musicxml/SourcePatcher.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <stdexcept>

namespace host::musicxml {
namespace {

constexpr int kLowestOctave = 0;
constexpr int kHighestOctave = 9;

bool operator==(const WrittenPitch& a, const WrittenPitch& b) {
  return a.step == b.step && a.alter == b.alter && a.octave == b.octave;
}

WrittenPitch PitchOf(const pugi::xml_node& note) {
  WrittenPitch pitch;
  if (pugi::xml_node p = note.child("pitch")) {
    pitch.step = p.child_value("step")[0];
    pitch.alter = static_cast<int>(std::lround(p.child("alter").text().as_double(0)));
    pitch.octave = p.child("octave").text().as_int(4);
  } else if (pugi::xml_node u = note.child("unpitched")) {
    pitch.step = u.child_value("display-step")[0];
    if (pitch.step == '\0') pitch.step = 'E';
    pitch.octave = u.child("display-octave").text().as_int(4);
  }
  return pitch;
}

std::string PitchElement(const WrittenPitch& pitch) {
  std::string text = "<pitch><step>" + std::string(1, pitch.step) + "</step>";
  if (pitch.alter != 0) text += "<alter>" + std::to_string(pitch.alter) + "</alter>";
  return text + "<octave>" + std::to_string(pitch.octave) + "</octave></pitch>";
}

std::string Where(int measure, int staffId, int layer) {
  return "measure " + std::to_string(measure) + ", staff " + std::to_string(staffId) + ", layer " +
         std::to_string(layer + 1);
}

// Edits of single <note> elements. Each names the file and the place of
// the entry in its errors.
class NoteEditor {
 public:
  // The place is formatted only for an error: this runs for every entry.
  NoteEditor(const std::string& name, int measure, int staffId, int layer)
      : name_(name), measure_(measure), staffId_(staffId), layer_(layer) {}

  void CheckRange(const WrittenPitch& pitch) const {
    if (pitch.octave < kLowestOctave || pitch.octave > kHighestOctave) {
      Fail(name_, "a note moved to " + ScientificPitch(pitch) + ", outside MusicXML's octaves 0 to 9 (" +
                      Where(measure_, staffId_, layer_) + ")");
    }
  }

  // A note's written pitch becomes `after`: only the step, alteration and
  // octave that differ are rewritten.
  void SetPitch(Patcher& patcher, const pugi::xml_node& note, const WrittenPitch& before,
                const WrittenPitch& after) const {
    if (before == after) return;
    if (pugi::xml_node pitch = note.child("pitch")) {
      if (after.step != before.step) patcher.SetText(pitch.child("step"), std::string(1, after.step));
      if (after.alter != before.alter) {
        if (pugi::xml_node alter = pitch.child("alter")) {
          patcher.SetText(alter, std::to_string(after.alter));
        } else {
          patcher.Insert(SpanOf(patcher.Source(), pitch.child("step")).end,
                         "<alter>" + std::to_string(after.alter) + "</alter>");
        }
      }
      if (after.octave != before.octave) patcher.SetText(pitch.child("octave"), std::to_string(after.octave));
      return;
    }
    pugi::xml_node unpitched = note.child("unpitched");
    if (after.alter != 0 || !unpitched.child("display-step") || !unpitched.child("display-octave")) {
      Fail(name_, "an unpitched note changed in a way MusicXML cannot show (" +
                      Where(measure_, staffId_, layer_) + ")");
    }
    if (after.step != before.step)
      patcher.SetText(unpitched.child("display-step"), std::string(1, after.step));
    if (after.octave != before.octave)
      patcher.SetText(unpitched.child("display-octave"), std::to_string(after.octave));
  }

  // A note becomes a rest of the same duration: its pitch goes, and so does
  // what only a pitch can have (accidental, tie, stem, notehead).
  static void MakeRest(Patcher& patcher, const pugi::xml_node& note) {
    const pugi::xml_node pitch = note.child("pitch") ? note.child("pitch") : note.child("unpitched");
    patcher.Replace(SpanOf(patcher.Source(), pitch), "<rest/>");
    for (const char* only : {"accidental", "tie", "stem", "notehead"}) {
      for (const pugi::xml_node& element : note.children(only)) patcher.Remove(element);
    }
    for (const pugi::xml_node& notations : note.children("notations")) {
      for (const pugi::xml_node& tied : notations.children("tied")) patcher.Remove(tied);
    }
  }

  // A rest becomes a note of the same duration.
  static void MakeNote(Patcher& patcher, const pugi::xml_node& rest, const WrittenPitch& pitch) {
    patcher.Replace(SpanOf(patcher.Source(), rest.child("rest")), PitchElement(pitch));
  }

  // A new note of a chord: a copy of `model` (the entry's first note, or its
  // rest) with the given pitch and <chord/>. What belongs to one note only
  // is not copied: its ID, accidental, ties, notations and lyrics.
  std::string ChordNoteLike(const std::string& source, const pugi::xml_node& model,
                            const WrittenPitch& pitch) const {
    Patcher copy(source);
    const std::string chord = model.child("chord") ? "" : "<chord/>";
    if (pugi::xml_node rest = model.child("rest")) {
      copy.Replace(SpanOf(source, rest), chord + PitchElement(pitch));
    } else {
      const pugi::xml_node written = model.child("pitch") ? model.child("pitch") : model.child("unpitched");
      copy.Insert(SpanOf(source, written).begin, chord);
      SetPitch(copy, model, PitchOf(model), pitch);
    }
    for (const char* own : {"accidental", "tie", "notations", "lyric"}) {
      for (const pugi::xml_node& element : model.children(own)) copy.Remove(element);
    }
    const Span span = SpanOf(source, model);
    const std::size_t startTagEnd = StartTagEnd(source, model);
    static const std::regex kIdAttribute(R"([ \t\r\n]+id[ \t\r\n]*=[ \t\r\n]*("[^"]*"|'[^']*'))");
    std::smatch id;
    const std::string startTag = source.substr(span.begin, startTagEnd - span.begin);
    if (std::regex_search(startTag, id, kIdAttribute)) {
      const std::size_t at = span.begin + static_cast<std::size_t>(id.position(0));
      copy.Replace({at, at + static_cast<std::size_t>(id.length(0))}, "");
    }
    return copy.Render(span);
  }

 private:
  const std::string& name_;
  int measure_, staffId_, layer_;
};

}  // namespace

namespace {

// Writes one entry's changes: pitches of the notes it kept, the elements of
// the notes it lost, new chord notes for the notes it gained, and a rest
// for notes or notes for a rest. Notes are matched to their elements by ID.
class EntryWriter {
 public:
  // The notes are written in `key`: the key the entry's staff has once the
  // command's key changes are written.
  EntryWriter(Patcher& patcher, const EntryOrigin& origin, const Key& key, const EXENTRY& entry,
              const NoteEditor& editor)
      : patcher_(patcher), origin_(origin), editor_(editor) {
    const bool isNoteEntry = (entry.flags & quavix::entryflag::kNoteEntry) != 0;
    const int count = isNoteEntry ? entry.noteCount : 0;
    if (count < 0 || count > quavix::kMaxNotesPerEntry) {
      throw std::logic_error("an entry with " + std::to_string(count) + " notes");  // the host refuses these
    }
    claimed_.assign(origin.notes.size(), false);
    for (int i = 0; i < count; ++i) {
      const EXNOTE& note = entry.notes[i];
      const WrittenPitch pitch = ToWrittenPitch({note.displacement, note.raiseLower}, key);
      editor_.CheckRange(pitch);
      pitches_.push_back(pitch);
      const int id = note.noteId;
      if (id >= 1 && id <= static_cast<int>(claimed_.size()) && !claimed_[id - 1]) {
        claimed_[id - 1] = true;
        kept_.push_back({origin.notes[id - 1], origin.pitches[id - 1], pitch});
      } else {
        added_.push_back(pitch);
      }
    }
  }

  const std::vector<WrittenPitch>& Pitches() const { return pitches_; }

  void Write() {
    const pugi::xml_node first = origin_.first;
    const bool firstIsRest = static_cast<bool>(first.child("rest"));
    for (const Kept& kept : kept_) editor_.SetPitch(patcher_, kept.element, kept.before, kept.pitch);
    if (pitches_.empty()) {
      if (origin_.notes.empty()) return;  // a rest stays a rest
      // The element that began the entry holds its place in time.
      if (!firstIsRest) NoteEditor::MakeRest(patcher_, first);
      for (const pugi::xml_node& note : origin_.notes) {
        if (note != first) patcher_.Remove(note);
      }
      return;
    }
    std::size_t nextAdded = 0;
    if (firstIsRest && !added_.empty()) {
      NoteEditor::MakeNote(patcher_, first, added_[nextAdded++]);
    }
    for (std::size_t i = 0; i < origin_.notes.size(); ++i) {
      const pugi::xml_node note = origin_.notes[i];
      if (claimed_[i]) continue;
      if (note == first && nextAdded < added_.size()) {
        editor_.SetPitch(patcher_, note, origin_.pitches[i],
                         added_[nextAdded++]);  // the first element takes a new note
        continue;
      }
      patcher_.Remove(note);
      if (note == first && !first.child("chord")) PromoteFirstKept(first);
    }
    const std::string lead = LeadingSpace(first);
    std::size_t end = SpanOf(patcher_.Source(), first).end;
    for (const pugi::xml_node& note : origin_.notes) end = std::max(end, SpanOf(patcher_.Source(), note).end);
    for (; nextAdded < added_.size(); ++nextAdded) {
      patcher_.Insert(end, lead + editor_.ChordNoteLike(patcher_.Source(), first, added_[nextAdded]));
    }
  }

 private:
  struct Kept {
    pugi::xml_node element;
    WrittenPitch before;  // as read
    WrittenPitch pitch;   // now
  };

  // The first element of the entry is gone: the kept note that comes first
  // in the file begins the entry now, so it is no longer a chord note, and
  // it takes the first one's duration, which is what moves time on.
  void PromoteFirstKept(const pugi::xml_node& first) {
    const Kept* earliest = nullptr;
    for (const Kept& kept : kept_) {
      if (earliest == nullptr || kept.element.offset_debug() < earliest->element.offset_debug())
        earliest = &kept;
    }
    if (earliest == nullptr) return;
    const pugi::xml_node note = earliest->element;
    if (pugi::xml_node chord = note.child("chord")) patcher_.Replace(SpanOf(patcher_.Source(), chord), "");
    const pugi::xml_node duration = note.child("duration");
    const std::string wanted = first.child("duration").child_value();
    if (duration && !wanted.empty() && wanted != duration.child_value()) patcher_.SetText(duration, wanted);
  }

  // The whitespace before an element from its last line end on, to lay a
  // new element out like it; taken from the file's bytes, so "\r\n" stays.
  std::string LeadingSpace(const pugi::xml_node& element) const {
    const pugi::xml_node before = element.previous_sibling();
    if (before.type() != pugi::node_pcdata) return "";
    const std::string& source = patcher_.Source();
    const auto begin = static_cast<std::size_t>(before.offset_debug());
    const std::string text = source.substr(begin, SpanOf(source, element).begin - begin);
    if (text.find_first_not_of(" \t\r\n") != std::string::npos) return "";
    const std::size_t lineEnd = text.find_last_of("\r\n");
    if (lineEnd == std::string::npos) return "";
    const std::size_t from =
        text[lineEnd] == '\n' && lineEnd > 0 && text[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
    return text.substr(from);
  }

  Patcher& patcher_;
  const EntryOrigin& origin_;
  const NoteEditor& editor_;
  std::vector<bool> claimed_;          // by original note: kept under its ID
  std::vector<Kept> kept_;             // in the entry's note order
  std::vector<WrittenPitch> added_;    // notes without an element of their own, in order
  std::vector<WrittenPitch> pitches_;  // every note of the entry now
};

}  // namespace

std::string ScientificPitch(const WrittenPitch& pitch) {
  std::string text(1, pitch.step);
  for (int i = 0; i < pitch.alter; ++i) text += '#';
  for (int i = 0; i > pitch.alter; --i) text += 'b';
  return text + std::to_string(pitch.octave);
}

WrittenScore WriteChanges(const ImportedScore& score, const std::string& name) {
  const KeyPlan keys(score, name);
  const Document& doc = score.document;
  Patcher patcher(score.text);
  WrittenScore written;
  std::vector<bool> seen(score.origins.size() + 1, false);  // by entry number
  std::size_t seenCount = 0;
  for (int measure = 1; measure <= doc.MeasureCount(); ++measure) {
    for (int slot = 1; slot <= doc.StaffCount(); ++slot) {
      const int staffId = doc.StaffAtSlot(slot);
      for (int layer = 0; layer < doc.MaxLayers(); ++layer) {
        for (const EXENTRY& entry : doc.Entries(staffId, measure, layer)) {
          const EntryOrigin* origin = score.OriginOf(std::uint32_t{entry.entryNumber});
          if (origin == nullptr || seen[entry.entryNumber]) {
            Fail(name, "the command added an entry, which cannot be written to MusicXML (" +
                           Where(measure, staffId, layer) + ")");
          }
          seen[entry.entryNumber] = true;
          ++seenCount;
          const NoteEditor editor(name, measure, staffId, layer);
          EntryWriter writer(patcher, *origin, keys.EntryKey(*origin, measure, staffId), entry, editor);
          const std::size_t edits = patcher.Count();
          writer.Write();
          if (patcher.Count() == edits) continue;
          EntryChange change{measure, staffId, layer, entry.position, {}, {}};
          for (const WrittenPitch& pitch : origin->pitches) change.before.push_back(ScientificPitch(pitch));
          for (const WrittenPitch& pitch : writer.Pitches()) change.after.push_back(ScientificPitch(pitch));
          written.changes.push_back(std::move(change));
        }
      }
    }
  }
  if (seenCount != score.origins.size()) {
    Fail(name, "the command removed entries, which cannot be written to MusicXML");
  }
  written.recordChanges = WriteRecordChanges(score, keys, patcher, name);
  written.text = patcher.Apply();
  return written;
}

std::filesystem::path TemporaryPathFor(const std::string& path) {
  const std::filesystem::path target(path);
  std::string name = ".";
  name += target.filename().string();
  name += ".partial";
  return target.parent_path() / name;
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path temporary = TemporaryPathFor(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) Fail(path, "cannot write the file");
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      Fail(path, "cannot write the file");
    }
  }
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    Fail(path, "cannot write the file");
  }
}

}  // namespace host::musicxml
