#include "support/TestFrame.h"

#include <cstring>

namespace qxtest {

EXENTRY MakeEntry(std::int32_t position, std::initializer_list<TestNote> notes) {
  EXENTRY entry;
  std::memset(&entry, 0, sizeof entry);
  entry.position = position;
  short slot = 0;
  for (const TestNote& note : notes) {
    EXNOTE& record = entry.notes[slot];
    record.displacement = note.displacement;
    record.raiseLower = note.raiseLower;
    record.noteId = note.id != 0 ? note.id : static_cast<short>(slot + 1);
    record.flags = note.flags;
    ++slot;
  }
  entry.noteCount = slot;
  if (slot > 0) entry.flags = 0x40000000;
  return entry;
}

TestFrame::TestFrame(short staff, short measure, short layer) {
  header_.staffSlot = staff;
  header_.measure = measure;
  header_.layer = layer;
}

TestFrame& TestFrame::Add(const EXENTRY& entry) {
  entries_.push_back(entry);
  entries_.back().entryNumber = static_cast<std::uint32_t>(entries_.size());
  return *this;
}

TestFrame& TestFrame::Chord(std::int32_t position, std::initializer_list<TestNote> notes) {
  return Add(MakeEntry(position, notes));
}

TestFrame& TestFrame::Rest(std::int32_t position) { return Add(MakeEntry(position, {})); }

TestFrame& TestFrame::Tuplet(short entryIndex, short incident, std::uint32_t firstWord) {
  EXTUPLET tuplet;
  std::memset(&tuplet, 0, sizeof tuplet);
  tuplet.entryIndex = entryIndex;
  tuplet.incident = incident;
  tuplet.definition.words[0] = firstWord;
  tuplets_.push_back(tuplet);
  return *this;
}

EXTGF2005a* TestFrame::get() {
  header_.entries = entries_.empty() ? nullptr : entries_.data();
  header_.entryCount = static_cast<std::int16_t>(entries_.size());
  header_.tuplets = tuplets_.empty() ? nullptr : tuplets_.data();
  header_.tupletCount = static_cast<std::int16_t>(tuplets_.size());
  return &header_;
}

}  // namespace qxtest
