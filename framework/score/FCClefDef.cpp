#include "framework/score/FCClefDef.h"

#include <cstring>

#include "interface/RecordTags.h"

namespace {
constexpr std::uint32_t kClefDefTag = quavix::tag::kClefDef;
}  // namespace

FCClefDef::FCClefDef(QxULong version) : __FCGlobals(version) {}

std::uint32_t FCClefDef::Tag() { return kClefDefTag; }

void* FCClefDef::Allocate() {
  _SetDataPtr(&_record);
  return &_record;
}

void FCClefDef::CloneMemoryFrom(__FCBaseData* source) {
  // Only another clef definition has 18 record bytes to copy.
  auto* clef = dynamic_cast<FCClefDef*>(source);
  if (clef == nullptr) return;
  std::memcpy(&_record, &clef->_record, sizeof _record);
  _SetDataPtr(&_record);
  _SetLoadedSize(static_cast<std::int32_t>(sizeof _record));
}
