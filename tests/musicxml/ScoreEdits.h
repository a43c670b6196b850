// Changes to an imported score's document of the kinds a command makes
// (notes removed and added, notes turned into rests, rests into notes), and
// a comparison of documents, for the writer's tests and its fuzzer.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/MusicXmlWriter.h"
#include "interface/MeasureRecords.h"

namespace qxtest {

struct NewNote {
  int id;
  int displacement;  // steps from the tonic in octave 4
  int raiseLower;
};

// Gives the entry these notes; none makes it a rest.
inline void SetNotes(EXENTRY& entry, const std::vector<NewNote>& notes) {
  entry.noteCount = static_cast<std::int16_t>(notes.size());
  if (notes.empty()) {
    entry.flags &= ~quavix::entryflag::kNoteEntry;
  } else {
    entry.flags |= quavix::entryflag::kNoteEntry;
  }
  for (std::size_t i = 0; i < notes.size(); ++i) {
    entry.notes[i] = EXNOTE{};
    entry.notes[i].noteId = static_cast<std::int16_t>(notes[i].id);
    entry.notes[i].displacement = static_cast<std::int16_t>(notes[i].displacement);
    entry.notes[i].raiseLower = static_cast<std::int16_t>(notes[i].raiseLower);
    entry.notes[i].flags = quavix::NoteIdBits(entry.notes[i].noteId);
  }
}

// Changes entries all over the document, in turn in each cell: the first
// note removed and a note a step above the last one added; notes turned
// into a rest; a rest turned into two notes. Returns how many changed.
inline int EditEntriesAllOver(host::Document& doc) {
  int changed = 0;
  for (int measure = 1; measure <= doc.MeasureCount(); ++measure) {
    for (int staff = 1; staff <= doc.StaffCount(); ++staff) {
      for (int layer = 0; layer < doc.MaxLayers(); ++layer) {
        int turn = 0;
        for (const EXENTRY& stored : doc.Entries(staff, measure, layer)) {
          auto& entry = const_cast<EXENTRY&>(stored);
          const bool notes = (entry.flags & quavix::entryflag::kNoteEntry) != 0 && entry.noteCount > 0;
          switch (turn++ % 3) {
            case 0: {
              if (!notes) continue;
              std::vector<NewNote> next;
              for (int i = 1; i < entry.noteCount; ++i)
                next.push_back(
                    {entry.notes[i].noteId, entry.notes[i].displacement, entry.notes[i].raiseLower});
              next.push_back({50, entry.notes[entry.noteCount - 1].displacement + 1, 0});
              SetNotes(entry, next);
              break;
            }
            case 1:
              if (!notes) continue;
              SetNotes(entry, {});
              break;
            default:
              if (notes) continue;
              SetNotes(entry, {{1, 0, 0}, {2, 2, 0}});
              break;
          }
          ++changed;
        }
      }
    }
  }
  return changed;
}

// Every cell's entries: position and sorted pitches.
using CellPitches = std::vector<std::pair<int, std::vector<std::string>>>;

inline std::vector<CellPitches> PitchesOf(const host::musicxml::ImportedScore& score) {
  const host::Document& doc = score.document;
  std::vector<CellPitches> cells;
  for (int measure = 1; measure <= doc.MeasureCount(); ++measure) {
    for (int staff = 1; staff <= doc.StaffCount(); ++staff) {
      for (int layer = 0; layer < doc.MaxLayers(); ++layer) {
        CellPitches cell;
        for (const EXENTRY& entry : doc.Entries(staff, measure, layer)) {
          const host::musicxml::EntryOrigin* origin = score.OriginOf(std::uint32_t{entry.entryNumber});
          const host::musicxml::Key key = origin != nullptr ? origin->key : host::musicxml::Key{};
          std::vector<std::string> pitches;
          const int count = (entry.flags & quavix::entryflag::kNoteEntry) != 0 ? entry.noteCount : 0;
          for (int i = 0; i < count; ++i) {
            pitches.push_back(host::musicxml::ScientificPitch(host::musicxml::ToWrittenPitch(
                {entry.notes[i].displacement, entry.notes[i].raiseLower}, key)));
          }
          std::sort(pitches.begin(), pitches.end());
          cell.emplace_back(int{entry.position}, pitches);  // a copy: the record is packed
        }
        cells.push_back(std::move(cell));
      }
    }
  }
  return cells;
}

// Changes measure records all over: in turn the key moves by a fifth (and
// every second time turns minor), the right barline becomes light-heavy,
// the left one heavy-light. Returns how many measures changed.
inline int EditMeasuresAllOver(host::RecordStore& store, int measures) {
  int changed = 0;
  for (int m = 1; m <= measures; ++m) {
    const std::string* body =
        store.Find(quavix::tag::kMeasure, host::NumberedKey(static_cast<std::uint16_t>(m)));
    if (body == nullptr || body->size() < sizeof(EDTMeasure)) continue;
    EDTMeasure record;
    std::memcpy(&record, body->data(), sizeof record);
    switch (m % 3) {
      case 0: {
        const int fifths = static_cast<std::int8_t>(record.keySignature & 0xFF);
        if (fifths >= 7) continue;
        record.keySignature = static_cast<std::int16_t>(
            ((fifths + 1) & 0xFF) | ((record.keySignature ^ (m % 2 ? 0x100 : 0)) & 0x100));
        break;
      }
      case 1:
        record.meFlag = static_cast<std::uint16_t>((record.meFlag & ~0x00F0) | (2 << 4));
        break;
      default:
        record.newFlag = static_cast<std::uint16_t>((record.newFlag & ~0x00F0) | (3 << 4));
        break;
    }
    store.Put(quavix::tag::kMeasure, host::NumberedKey(static_cast<std::uint16_t>(m)),
              std::string(reinterpret_cast<const char*>(&record), sizeof record));
    ++changed;
  }
  return changed;
}

// Each measure's key value and barline codes.
inline std::vector<std::array<int, 3>> MeasureRecordsOf(const host::musicxml::ImportedScore& score) {
  std::vector<std::array<int, 3>> measures;
  for (int m = 1; m <= score.document.MeasureCount(); ++m) {
    const std::string* body = score.document.Records().Find(quavix::tag::kMeasure,
                                                            host::NumberedKey(static_cast<std::uint16_t>(m)));
    EDTMeasure record{};
    if (body != nullptr && body->size() >= sizeof record) std::memcpy(&record, body->data(), sizeof record);
    measures.push_back({record.keySignature, (record.meFlag >> 4) & 0xF, (record.newFlag >> 4) & 0xF});
  }
  return measures;
}

}  // namespace qxtest
