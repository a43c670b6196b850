#include "framework/score/FCTextBlock.h"

#include <cstring>

#include "framework/text/FCRawText.h"
#include "framework/text/FCString.h"
#include "interface/RecordTags.h"

namespace {
constexpr std::uint32_t kTextBlockTag = quavix::tag::kTextBlock;
}  // namespace

FCTextBlock::FCTextBlock(QxULong version) : __FCNoInciOther(version) {}

std::uint32_t FCTextBlock::Tag() { return kTextBlockTag; }

void* FCTextBlock::Allocate() {
  _SetDataPtr(&_record);
  return &_record;
}

void FCTextBlock::CloneMemoryFrom(__FCBaseData* source) {
  // Only another text block has 26 record bytes to copy.
  auto* block = dynamic_cast<FCTextBlock*>(source);
  if (block == nullptr) return;
  std::memcpy(&_record, &block->_record, sizeof _record);
  _SetDataPtr(&_record);
  _SetLoadedSize(static_cast<std::int32_t>(sizeof _record));
}

FCString* FCTextBlock::CreateRawTextString() {
  FCRawText rawText(quavix::kInterfaceVersion);
  // A block that holds no loaded number names no text: its record bytes are
  // zeroes or left from an earlier load.
  if (GetLoadedSize() >= static_cast<std::int32_t>(sizeof _record.rawTextNumber)) {
    rawText.Load(_record.rawTextNumber);
  }
  return rawText.CreateString();
}
