// A frame record the test owns, for code that works on frames without a host.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "interface/HostRecords.h"

namespace qxtest {

struct TestNote {
  short displacement;
  short raiseLower = 0;
  short id = 0;  // 0: numbered 1, 2, ... in order
  std::uint32_t flags = 0;
};

// An entry record: a chord of the given notes, or a rest when there are none.
EXENTRY MakeEntry(std::int32_t position, std::initializer_list<TestNote> notes);

class TestFrame {
 public:
  TestFrame(short staff = 1, short measure = 1, short layer = 0);
  TestFrame& Add(const EXENTRY& entry);
  TestFrame& Chord(std::int32_t position, std::initializer_list<TestNote> notes);
  TestFrame& Rest(std::int32_t position);
  TestFrame& Tuplet(short entryIndex, short incident, std::uint32_t firstWord);
  EXTGF2005a* get();
  EXENTRY& entry(int index) { return entries_[static_cast<std::size_t>(index)]; }

 private:
  EXTGF2005a header_{};
  std::vector<EXENTRY> entries_;
  std::vector<EXTUPLET> tuplets_;
};

}  // namespace qxtest
