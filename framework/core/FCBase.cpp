#include "framework/core/FCBase.h"

#include <cstring>

namespace {
template <typename Word>
void SetBits(Word* target, Word mask, bool set) {
  Word value;
  std::memcpy(&value, target, sizeof value);
  value = set ? static_cast<Word>(value | mask) : static_cast<Word>(value & ~mask);
  std::memcpy(target, &value, sizeof value);
}
}  // namespace

void __FCBase::Set16BitFlag(unsigned short* target, unsigned short mask, bool set) {
  SetBits(target, mask, set);
}

void __FCBase::Set32BitFlag(QxULong* target, QxULong mask, bool set) { SetBits(target, mask, set); }
