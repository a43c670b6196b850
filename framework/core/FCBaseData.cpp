#include "framework/core/FCBaseData.h"

#include <cstring>

#include "pdk/binding/HostFunctions.h"

__FCBaseData::__FCBaseData(QxULong version) : _version(version) {}

bool __FCBaseData::LoadDataBlock() {
  if (_dataBuffer != nullptr && IsDynamicSize()) ClearData();
  if (_dataBuffer == nullptr) _dataBuffer = Allocate();
  QxLong size = DataSize();
  const std::uint32_t tag = Tag();
  if (FX_LoadEData(tag, _key, _dataBuffer, &size, _version) != 0) {
    _dataSize = size;
    return true;
  }
  _dataSize = 0;
  return false;
}

bool __FCBaseData::Save() {
  if (_dataSize <= 0) return false;
  const std::int32_t size = DataSize();
  const std::uint32_t tag = Tag();
  return FX_SaveEData(tag, _key, _dataBuffer, size, _version) != 0;
}

bool __FCBaseData::LoadNext() {
  if (FX_NextEData(Tag(), _key, nullptr, 0, _version) == 0) return false;
  return LoadDataBlock();
}

bool __FCBaseData::DeleteData() { return FX_DeleteEData(Tag(), _key, _version) != 0; }

void __FCBaseData::CloneFrom(__FCBaseData* source) {
  _version = source->_version;
  std::memcpy(_key, source->_key, sizeof _key);
  _customTag = source->_customTag;
  CloneMemoryFrom(source);
}

void __FCBaseData::CloneMemoryFrom(__FCBaseData* source) {
  if (source->_dataSize <= 0) return;
  // A heap block this object already owns is released first, so that cloning
  // into a loaded dynamic-size object does not leak it.
  if (_dataBuffer != nullptr) Deallocate();
  _dataSize = source->_dataSize;
  _dataBuffer = _NewBlock(_dataSize);
  std::memcpy(_dataBuffer, source->_dataBuffer, static_cast<std::size_t>(_dataSize));
}

void __FCBaseData::_CloneEmbeddedRecordFrom(__FCBaseData* source) {
  const std::int32_t size = DataSize();
  if (source == nullptr || source->DataSize() != size) return;
  void* own = Allocate();
  std::memcpy(own, source->Allocate(), static_cast<std::size_t>(size));
  _dataBuffer = own;
  _dataSize = size;
}

void* __FCBaseData::_NewBlock(std::int32_t size) {
  return new unsigned char[size > 0 ? static_cast<std::size_t>(size) : 0]();
}

void __FCBaseData::_DeleteBlock(void* block) { delete[] static_cast<unsigned char*>(block); }

__FCBaseData* __FCBaseData::CreateClone() {
  __FCBaseData* clone = CreateObject(_version);
  if (clone != nullptr) clone->CloneFrom(this);
  return clone;
}

void __FCBaseData::ClearData() {
  Deallocate();
  _dataBuffer = nullptr;
  _dataSize = 0;
}
