#include "framework/text/FCRawText.h"

#include <cstring>
#include <string>

#include "framework/records/RecordKeyFields.h"
#include "framework/text/FCString.h"
#include "interface/RecordTags.h"
#include "pdk/binding/HostFunctions.h"

FCRawText::FCRawText(QxULong version) : __FCBaseData(version) {}

FCRawText::~FCRawText() { Deallocate(); }

std::uint32_t FCRawText::Tag() { return GetCustomTag() != 0 ? GetCustomTag() : quavix::tag::kRawText; }

std::int32_t FCRawText::DataSize() {
  QxLong size = 0;
  if (FX_LoadEData(Tag(), _GetKey(), nullptr, &size, quavix::kInterfaceVersion) == 0) return 0;
  return size > 0 ? size : 0;
}

void* FCRawText::Allocate() { return _NewTextBlock(DataSize()); }

void FCRawText::Deallocate() {
  // The pointer and size go with the block, so that nothing (the destructor
  // after a direct call, a save, a copy) reaches a released block.
  _DeleteBlock(_GetDataPtr());
  _SetDataPtr(nullptr);
  _SetLoadedSize(0);
}

void* FCRawText::_NewTextBlock(std::int32_t size) {
  if (_GetDataPtr() != nullptr) Deallocate();
  void* block = _NewBlock(size);
  _SetDataPtr(block);
  return block;
}

// The general load, with every size the host hands back held to the block:
// the data size never exceeds what the block holds.
bool FCRawText::_LoadIntoNewBlock() {
  if (_GetDataPtr() != nullptr) ClearData();
  const std::int32_t capacity = DataSize();
  void* block = _NewTextBlock(capacity);
  QxLong size = DataSize();
  if (size > capacity) size = capacity;
  const std::uint32_t tag = Tag();
  if (FX_LoadEData(tag, _GetKey(), block, &size, GetVersion()) == 0) {
    _SetLoadedSize(0);
    return false;
  }
  _SetLoadedSize(size < 0 ? 0 : (size > capacity ? capacity : size));
  return true;
}

void FCRawText::_SetTextNumber(short number) {
  framework::key::PutUnsigned16(_GetKey(), static_cast<std::uint16_t>(number));
}

bool FCRawText::Load(short number) {
  _SetTextNumber(number);
  return _LoadIntoNewBlock();
}

bool FCRawText::LoadNext() {
  if (FX_NextEData(Tag(), _GetKey(), nullptr, 0, GetVersion()) == 0) return false;
  return _LoadIntoNewBlock();
}

bool FCRawText::Save() {
  if (GetLoadedSize() <= 0 || _GetDataPtr() == nullptr) return false;
  // The host's record may be longer than the block (SetText with a shorter
  // text): its size must not be what is sent.
  const std::int32_t size = GetLoadedSize();
  const std::uint32_t tag = Tag();
  return FX_SaveEData(tag, _GetKey(), _GetDataPtr(), size, GetVersion()) != 0;
}

bool FCRawText::SaveAs(short number) {
  _SetTextNumber(number);
  return Save();
}

void FCRawText::SetText(FCString* text) {
  if (text == nullptr) return;
  const char* bytes = text->GetCString();
  const auto size = static_cast<std::int32_t>(std::strlen(bytes) + 1);
  void* block = _NewTextBlock(size);
  std::memcpy(block, bytes, static_cast<std::size_t>(size));
  _SetLoadedSize(size);
}

FCString* FCRawText::CreateString() {
  auto* string = new FCString;
  string->SetCString("");
  const auto* bytes = static_cast<const char*>(_GetDataPtr());
  if (bytes != nullptr && DataSize() > 0) {
    // Host text is read up to its NUL, and never past the bytes delivered,
    // even when the record carries no NUL.
    const auto held = static_cast<std::size_t>(GetLoadedSize() > 0 ? GetLoadedSize() : 0);
    const void* end = std::memchr(bytes, '\0', held);
    const std::size_t length =
        end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - bytes) : held;
    string->SetCString(std::string(bytes, length).c_str());
  }
  return string;
}
