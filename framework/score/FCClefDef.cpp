#include "framework/score/FCClefDef.h"

#include "interface/RecordTags.h"

FCClefDef::FCClefDef(QxULong version) : __FCGlobals(version) {}

std::uint32_t FCClefDef::Tag() { return quavix::tag::kClefDef; }

void* FCClefDef::Allocate() {
  _SetDataPtr(&_record);
  return &_record;
}

void FCClefDef::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }
