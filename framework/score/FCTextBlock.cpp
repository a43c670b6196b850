#include "framework/score/FCTextBlock.h"

#include "framework/text/FCRawText.h"
#include "framework/text/FCString.h"
#include "interface/RecordTags.h"

FCTextBlock::FCTextBlock(QxULong version) : __FCNoInciOther(version) {}

std::uint32_t FCTextBlock::Tag() { return quavix::tag::kTextBlock; }

void* FCTextBlock::Allocate() {
  _SetDataPtr(&_record);
  return &_record;
}

void FCTextBlock::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }

FCString* FCTextBlock::CreateRawTextString() {
  FCRawText rawText(quavix::kInterfaceVersion);
  // A block that holds no loaded number names no text: its record bytes are
  // zeroes or left from an earlier load.
  if (GetLoadedSize() >= static_cast<std::int32_t>(sizeof _record.rawTextNumber)) {
    rawText.Load(_record.rawTextNumber);
  }
  return rawText.CreateString();
}
