#include "host/document/DocumentBuilder.h"

#include <stdexcept>

namespace host {

DocumentBuilder& DocumentBuilder::Staves(const std::vector<int>& staffIdsInSlotOrder) {
  document_.SetStaves(staffIdsInSlotOrder);
  return *this;
}

DocumentBuilder& DocumentBuilder::Measures(int count) {
  document_.SetMeasureCount(count);
  return *this;
}

DocumentBuilder& DocumentBuilder::MaxLayers(int count) {
  document_.SetMaxLayers(count);
  return *this;
}

DocumentBuilder& DocumentBuilder::HideLayer(int layer) {
  document_.SetLayerShown(layer, false);
  return *this;
}

DocumentBuilder& DocumentBuilder::Number(int documentNumber) {
  document_.SetNumber(documentNumber);
  return *this;
}

DocumentBuilder& DocumentBuilder::Select(const EREGION& region) {
  document_.SetSelection(region);
  return *this;
}

EREGION MakeRegion(int startSlot, int startMeasure, int endSlot, int endMeasure, std::int32_t startPosition,
                   std::int32_t endPosition) {
  EREGION region{};
  region.startSlot = static_cast<std::int16_t>(startSlot);
  region.startMeasure = static_cast<std::int16_t>(startMeasure);
  region.startPosition = startPosition;
  region.endSlot = static_cast<std::int16_t>(endSlot);
  region.endMeasure = static_cast<std::int16_t>(endMeasure);
  region.endPosition = endPosition;
  return region;
}

DocumentBuilder& DocumentBuilder::Select(int startSlot, int startMeasure, int endSlot, int endMeasure,
                                         std::int32_t startPosition, std::int32_t endPosition) {
  return Select(MakeRegion(startSlot, startMeasure, endSlot, endMeasure, startPosition, endPosition));
}

DocumentBuilder& DocumentBuilder::Chord(int staffId, int measure, int layer, std::int32_t position,
                                        const std::vector<Pitch>& notes, std::int32_t duration) {
  if (notes.empty() || notes.size() > static_cast<std::size_t>(quavix::kMaxNotesPerEntry)) {
    throw std::invalid_argument("a chord has 1 to 12 notes; use Rest for none");
  }
  EXENTRY entry{};
  entry.flags = quavix::entryflag::kNoteEntry;
  entry.noteCount = static_cast<std::int16_t>(notes.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const auto id = static_cast<std::int16_t>(i + 1);
    entry.notes[i].displacement = notes[i].displacement;
    entry.notes[i].raiseLower = notes[i].raiseLower;
    entry.notes[i].noteId = id;
    entry.notes[i].flags = quavix::NoteIdBits(id);
  }
  entry.position = position;
  entry.duration = duration;
  return Entry(staffId, measure, layer, entry);
}

DocumentBuilder& DocumentBuilder::Rest(int staffId, int measure, int layer, std::int32_t position,
                                       std::int32_t duration) {
  EXENTRY entry{};
  entry.position = position;
  entry.duration = duration;
  return Entry(staffId, measure, layer, entry);
}

DocumentBuilder& DocumentBuilder::Entry(int staffId, int measure, int layer, const EXENTRY& entry) {
  document_.AddEntry(staffId, measure, layer, entry);
  return *this;
}

DocumentBuilder& DocumentBuilder::Tuplet(int staffId, int measure, int layer, const EXTUPLET& tuplet) {
  document_.AddTuplet(staffId, measure, layer, tuplet);
  return *this;
}

}  // namespace host
