#include "host/musicxml/MusicXmlWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

namespace host::musicxml {
namespace {

constexpr int kLowestOctave = 0;
constexpr int kHighestOctave = 9;

// A replacement of the bytes [offset, offset + length) of the file.
struct Patch {
  std::size_t offset;
  std::size_t length;
  std::string text;
};

class Patcher {
 public:
  explicit Patcher(const std::string& source) : source_(source) {}

  // Replaces the character data of an element, whatever it is written as.
  void SetText(const pugi::xml_node& element, const std::string& text) {
    const pugi::xml_node data = element.first_child();
    if (data.type() == pugi::node_pcdata) {
      const auto start = static_cast<std::size_t>(data.offset_debug());
      patches_.push_back({start, source_.find('<', start) - start, text});
    } else {  // empty element: write the text before its end
      InsertAfterStartTag(element, text);
    }
  }

  // Inserts text right after the end of an element (after its end tag).
  void InsertAfter(const pugi::xml_node& element, const std::string& text) {
    const std::string endTag = std::string("</") + element.name() + ">";
    const std::size_t end = source_.find(endTag, static_cast<std::size_t>(element.offset_debug()));
    patches_.push_back({end + endTag.size(), 0, text});
  }

  std::string Apply() const {
    std::vector<Patch> sorted = patches_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Patch& a, const Patch& b) { return a.offset < b.offset; });
    std::string out;
    out.reserve(source_.size() + 64 * sorted.size());
    std::size_t at = 0;
    for (const Patch& patch : sorted) {
      out.append(source_, at, patch.offset - at);
      out += patch.text;
      at = patch.offset + patch.length;
    }
    out.append(source_, at, std::string::npos);
    return out;
  }

 private:
  void InsertAfterStartTag(const pugi::xml_node& element, const std::string& text) {
    // "<name/>" becomes "<name>text</name>"; "<name></name>" gets the text inside.
    const std::size_t close = source_.find('>', static_cast<std::size_t>(element.offset_debug()));
    if (source_[close - 1] == '/') {
      patches_.push_back({close - 1, 2, ">" + text + "</" + element.name() + ">"});
    } else {
      patches_.push_back({close + 1, 0, text});
    }
  }

  const std::string& source_;
  std::vector<Patch> patches_;
};

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

std::string Where(int measure, int staffId, int layer) {
  return "measure " + std::to_string(measure) + ", staff " + std::to_string(staffId) + ", layer " +
         std::to_string(layer + 1);
}

void RewritePitch(Patcher& patcher, const pugi::xml_node& note, const WrittenPitch& before,
                  const WrittenPitch& after, const std::string& name, const std::string& where) {
  if (after.octave < kLowestOctave || after.octave > kHighestOctave) {
    Fail(name,
         "a note moved to " + ScientificPitch(after) + ", outside MusicXML's octaves 0 to 9 (" + where + ")");
  }
  if (pugi::xml_node pitch = note.child("pitch")) {
    if (after.step != before.step) patcher.SetText(pitch.child("step"), std::string(1, after.step));
    if (after.alter != before.alter) {
      if (pugi::xml_node alter = pitch.child("alter")) {
        patcher.SetText(alter, std::to_string(after.alter));
      } else {
        patcher.InsertAfter(pitch.child("step"), "<alter>" + std::to_string(after.alter) + "</alter>");
      }
    }
    if (after.octave != before.octave) patcher.SetText(pitch.child("octave"), std::to_string(after.octave));
    return;
  }
  pugi::xml_node unpitched = note.child("unpitched");
  if (after.alter != 0 || !unpitched.child("display-step") || !unpitched.child("display-octave")) {
    Fail(name, "an unpitched note changed in a way MusicXML cannot show (" + where + ")");
  }
  if (after.step != before.step) patcher.SetText(unpitched.child("display-step"), std::string(1, after.step));
  if (after.octave != before.octave)
    patcher.SetText(unpitched.child("display-octave"), std::to_string(after.octave));
}

}  // namespace

std::string ScientificPitch(const WrittenPitch& pitch) {
  std::string text(1, pitch.step);
  for (int i = 0; i < pitch.alter; ++i) text += '#';
  for (int i = 0; i > pitch.alter; --i) text += 'b';
  return text + std::to_string(pitch.octave);
}

WrittenScore WriteChanges(const ImportedScore& score, const std::string& name) {
  const Document& doc = score.document;
  Patcher patcher(score.text);
  WrittenScore written;
  std::set<std::uint32_t> seen;
  for (int measure = 1; measure <= doc.MeasureCount(); ++measure) {
    for (int slot = 1; slot <= doc.StaffCount(); ++slot) {
      const int staffId = doc.StaffAtSlot(slot);
      for (int layer = 0; layer < doc.MaxLayers(); ++layer) {
        for (const EXENTRY& entry : doc.Entries(staffId, measure, layer)) {
          const std::string where = Where(measure, staffId, layer);
          const auto origin = score.origins.find(std::uint32_t{entry.entryNumber});
          if (origin == score.origins.end()) {
            Fail(name, "the command added an entry, which cannot be written back yet (" + where + ")");
          }
          seen.insert(std::uint32_t{entry.entryNumber});
          const std::vector<pugi::xml_node>& notes = origin->second.notes;
          const bool wasRest = notes.empty();
          const bool isRest = (entry.flags & quavix::entryflag::kNoteEntry) == 0;
          if (wasRest && isRest) continue;
          if (wasRest != isRest) {
            Fail(name, std::string("the command turned ") +
                           (wasRest ? "a rest into notes" : "notes into a rest") +
                           ", which cannot be written back yet (" + where + ")");
          }
          if (entry.noteCount != static_cast<int>(notes.size())) {
            Fail(name, "the command added or removed notes of an entry, which cannot be written back yet (" +
                           where + ")");
          }
          EntryChange change{measure, staffId, layer, entry.position, {}, {}};
          bool changed = false;
          for (std::size_t i = 0; i < notes.size(); ++i) {
            const WrittenPitch before = PitchOf(notes[i]);
            const WrittenPitch after =
                ToWrittenPitch({entry.notes[i].displacement, entry.notes[i].raiseLower}, origin->second.key);
            change.before.push_back(ScientificPitch(before));
            change.after.push_back(ScientificPitch(after));
            if (after.step == before.step && after.alter == before.alter && after.octave == before.octave)
              continue;
            RewritePitch(patcher, notes[i], before, after, name, where);
            changed = true;
          }
          if (changed) written.changes.push_back(std::move(change));
        }
      }
    }
  }
  if (seen.size() != score.origins.size()) {
    Fail(name, "the command removed entries, which cannot be written back yet");
  }
  written.text = patcher.Apply();
  return written;
}

std::filesystem::path TemporaryPathFor(const std::string& path) {
  const std::filesystem::path target(path);
  return target.parent_path() / ("." + target.filename().string() + ".partial");
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
