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

void FCClefDef::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }
