#include "framework/notes/FCKeySignature.h"

void FCKeySignature::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }

short FCKeySignature::CalcSharps() const {
  if (!IsStandard()) return -1;
  return static_cast<short>(Accidentals() > 0 ? Accidentals() : 0);
}

short FCKeySignature::CalcFlats() const {
  if (!IsStandard()) return -1;
  return static_cast<short>(Accidentals() < 0 ? -Accidentals() : 0);
}

short FCKeySignature::CalcScaleRootIndex() const {
  if (!IsStandard()) return -1;
  // Letters of the tonic by the place of the key in the circle of fifths.
  static constexpr short kMajor[8] = {2, 6, 3, 0, 4, 1, 5, 2};
  static constexpr short kMinor[8] = {0, 4, 1, 5, 2, 6, 3, 0};
  const short* table = (_keyValue & 0x0100u) != 0 ? kMinor : kMajor;
  const int flats = CalcFlats();
  const int index = flats != 0 ? 7 - flats % 7 : CalcSharps() % 7;
  return table[index];
}
