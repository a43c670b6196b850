// Spelled pitch of a note: its letter from the key's tonic and the
// displacement, its alteration with the key signature applied, and its
// displacement corrected for clef and transposition.
#include "framework/notes/FCKeySignature.h"
#include "framework/notes/FCNoteEntry.h"
#include "framework/score/FCClefDef.h"
#include "framework/score/FCMeasure.h"
#include "framework/score/FCStaff.h"

namespace {

bool IsRest(const FCNoteEntry* entry) {
  const EXENTRY* record = entry != nullptr ? entry->_GetEntryRecord() : nullptr;
  return record == nullptr || (record->flags & quavix::entryflag::kNoteEntry) == 0;
}

// The key value of the entry's measure; false when the measure does not
// load (only inconsistent data has such an entry).
bool MeasureKey(const FCNoteEntry* entry, FCKeySignature& key) {
  FCMeasure measure(quavix::kInterfaceVersion);
  if (!measure.Load(static_cast<unsigned short>(entry->GetMeasure()))) return false;
  key.SetKeyValue(measure.GetKeySignature()->GetKeyValue());
  return true;
}

// The letter index 0-6 of a root index moved by a displacement.
int LetterIndex(int root, int displacement) {
  const int r = (root + displacement) % 7;
  return r < 0 ? r + 7 : r;
}

}  // namespace

char FCNote::CalcPitchChar() const {
  if (IsRest(GetEntry())) return 0;
  FCKeySignature key(quavix::kInterfaceVersion);
  if (!MeasureKey(GetEntry(), key)) return 0;
  return static_cast<char>('A' + LetterIndex(key.CalcScaleRootIndex(), GetDisplacement()));
}

short FCNote::CalcPitchRaiseLower() const {
  if (IsRest(GetEntry())) return 0;
  FCKeySignature key(quavix::kInterfaceVersion);
  if (!MeasureKey(GetEntry(), key) || key.CalcSharps() < 0) return 0;
  const char letter = CalcPitchChar();
  if (letter == 0) return 0;
  const int index = letter - 'A';
  int alteration = 0;
  // Sharps come in the order F C G D A E B, flats in B E A D G C F; past
  // seven the order starts over, so a letter can take two.
  if (const int sharps = key.CalcSharps(); sharps > 0) {
    for (int i = 0; i < sharps; ++i) alteration += (5 + 4 * i) % 7 == index ? 1 : 0;
  } else {
    for (int i = 0; i < key.CalcFlats(); ++i) alteration -= (1 + 3 * i) % 7 == index ? 1 : 0;
  }
  return static_cast<short>(GetRaiseLower() + alteration);
}

short FCNote::CalcActualDisplacement() const {
  // Records that do not load stay zeroed and add nothing.
  FCClefDef clef(quavix::kInterfaceVersion);
  const EXENTRY* record = GetEntry() != nullptr ? GetEntry()->_GetEntryRecord() : nullptr;
  if (record != nullptr) clef.Load(record->clef);
  FCCurrentStaffSpec staffHere(quavix::kInterfaceVersion);
  staffHere.Load(GetEntry());
  return static_cast<short>(GetDisplacement() + clef.GetDisplacementOffset() +
                            staffHere.GetTransposeInterval());
}
