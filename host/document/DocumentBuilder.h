// Builds a small document in a few readable lines, for tests and examples:
//
//   host::Document doc = host::DocumentBuilder()
//       .Staves({3, 1, 2})  // staff IDs in slot order
//       .Measures(4)
//       .HideLayer(1)
//       .Chord(3, 1, 0, 0, {{4, 0}, {2, 0}, {0, 0}, {-3, 0}})
//       .Rest(3, 1, 0, 256)
//       .Build();
//
// Set staves, measures and layers before adding entries: entries are checked
// against them, and a misplaced one throws at once.
#pragma once

#include <cstdint>
#include <vector>

#include "host/document/Document.h"

namespace host {

// The duration the builder gives an entry unless told otherwise.
inline constexpr std::int32_t kDefaultEntryDuration = 256;

// A region record from the first to the last slot and measure, optionally
// cut at positions in the first and last measure (whole measures by default).
EREGION MakeRegion(int startSlot, int startMeasure, int endSlot, int endMeasure,
                   std::int32_t startPosition = 0, std::int32_t endPosition = quavix::kEndOfMeasure);

// A note's pitch as the entry record holds it: a staff step in diatonic
// steps (7 is an octave) and a chromatic alteration.
struct Pitch {
  short displacement;
  short raiseLower;
};

class DocumentBuilder {
 public:
  DocumentBuilder& Staves(const std::vector<int>& staffIdsInSlotOrder);
  DocumentBuilder& Measures(int count);
  DocumentBuilder& MaxLayers(int count);
  DocumentBuilder& HideLayer(int layer);
  DocumentBuilder& Number(int documentNumber);
  DocumentBuilder& Select(const EREGION& region);
  DocumentBuilder& Select(int startSlot, int startMeasure, int endSlot, int endMeasure,
                          std::int32_t startPosition = 0, std::int32_t endPosition = quavix::kEndOfMeasure);

  // An entry with 1 to 12 notes, appended to the cell's frame. Its notes get
  // the IDs 1, 2, ... in order, with the low five bits of the ID in bits 16
  // to 20 of their flags, as the host keeps them; the entry gets a fresh
  // entry number and the has-notes flag.
  DocumentBuilder& Chord(int staffId, int measure, int layer, std::int32_t position,
                         const std::vector<Pitch>& notes, std::int32_t duration = kDefaultEntryDuration);
  DocumentBuilder& Rest(int staffId, int measure, int layer, std::int32_t position,
                        std::int32_t duration = kDefaultEntryDuration);
  // Any record as given; an entry number of 0 is replaced by a fresh one.
  DocumentBuilder& Entry(int staffId, int measure, int layer, const EXENTRY& entry);
  DocumentBuilder& Tuplet(int staffId, int measure, int layer, const EXTUPLET& tuplet);

  Document Build() const { return document_; }

 private:
  Document document_;
};

}  // namespace host
