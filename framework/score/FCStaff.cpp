#include "framework/score/FCStaff.h"

#include "framework/notes/FCNoteEntry.h"
#include "framework/records/RecordKeyFields.h"
#include "framework/score/FCTextBlock.h"
#include "framework/text/FCString.h"
#include "interface/RecordTags.h"

namespace {

// Sign-extends the low `bits` bits of a value.
short SignExtend(unsigned value, int bits) {
  const unsigned mask = (1u << bits) - 1;
  const unsigned field = value & mask;
  return static_cast<short>((field & (1u << (bits - 1))) != 0 ? static_cast<int>(field) - (1 << bits)
                                                              : static_cast<int>(field));
}

constexpr std::uint16_t kWideIntervalLayout = 0x2000;

}  // namespace

std::uint32_t FCStaff::Tag() { return quavix::tag::kStaff; }

void FCStaff::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }

FCString* FCStaff::CreateFullNameString() {
  FCTextBlock block(quavix::kInterfaceVersion);
  if (_record.fullNameBlock == 0 || !block.Load(_record.fullNameBlock)) {
    auto* empty = new FCString;
    empty->SetCString("");
    return empty;
  }
  return block.CreateRawTextString();
}

short FCStaff::GetTransposeInterval() const {
  const unsigned word = _record.transposition;
  if (word == 0) return 0;
  return (word & kWideIntervalLayout) != 0 ? SignExtend(word, 8) : SignExtend(word >> 6, 6);
}

short FCStaff::GetTransposeAlteration() const {
  const unsigned word = _record.transposition;
  if (word == 0) return 0;
  return (word & kWideIntervalLayout) != 0 ? SignExtend(word >> 8, 4) : SignExtend(word, 6);
}

std::uint32_t FCCurrentStaffSpec::Tag() { return quavix::tag::kCurrentStaffSpec; }

bool FCCurrentStaffSpec::Load(FCNoteEntry* entry) {
  if (entry == nullptr) return false;
  unsigned char* key = _GetKey();
  framework::key::PutUnsigned16(key, static_cast<std::uint16_t>(entry->GetStaff()));
  framework::key::PutUnsigned16(key + 2, static_cast<std::uint16_t>(entry->GetMeasure()));
  const QxLong position = entry->_GetEntryRecord() != nullptr ? entry->GetMeasurePos() : 0;
  framework::key::PutUnsigned32(key + 4, static_cast<std::uint32_t>(position));
  return LoadDataBlock();
}
