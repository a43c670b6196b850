// An object that mirrors one host data record: its bytes, the key under which
// the host stores it, and the interface version in which the bytes are
// exchanged. Concrete record classes say what the record is (tag, size, where
// its bytes live, how a copy is made); this class loads, saves, steps,
// deletes and clones it through the host's data record services.
#pragma once

#include <cstdint>

#include "framework/core/FCBase.h"

class __FCBaseData : public __FCBase {
 public:
  explicit __FCBaseData(QxULong version);

  const char* ClassName() const override { return "__FCBaseData"; }
  // The host record kind, a four-character tag.
  virtual std::uint32_t Tag() = 0;
  // Bytes to exchange with the host.
  virtual std::int32_t DataSize() = 0;
  // Returns the buffer to load into and makes it the data buffer.
  virtual void* Allocate() = 0;
  // Releases a heap buffer (dynamic-size classes); does not clear the pointer.
  virtual void Deallocate() {}
  virtual bool IsDynamicSize() { return false; }
  // A new, unloaded object of the same class, or none.
  virtual __FCBaseData* CreateObject(QxULong version) = 0;
  virtual void CloneMemoryFrom(__FCBaseData* source);
  ~__FCBaseData() override = default;  // the data buffer is left alone here
  virtual bool Save();
  virtual bool LoadFirst() = 0;
  virtual bool LoadNext();

  bool LoadDataBlock();
  bool DeleteData();
  void CloneFrom(__FCBaseData* source);
  __FCBaseData* CreateClone();
  void ClearData();

  std::uint32_t GetCustomTag() const { return _customTag; }
  void SetCustomTag(std::uint32_t tag) { _customTag = tag; }
  void* _GetDataPtr() const { return _dataBuffer; }
  std::int32_t GetLoadedSize() const { return _dataSize; }
  QxULong GetVersion() const { return _version; }
  unsigned char* _GetKey() { return _key; }
  const unsigned char* _GetKey() const { return _key; }

 protected:
  // The heap blocks of dynamic-size classes, shared with the base copy rule.
  static void* _NewBlock(std::int32_t size);
  static void _DeleteBlock(void* block);
  void _SetDataPtr(void* buffer) { _dataBuffer = buffer; }
  // The copy rule of classes whose record is embedded in the object: the
  // source's record (its Allocate buffer) into this object's own, which
  // becomes the data buffer with the class's size. A source whose record
  // has another size gives nothing to copy.
  void _CloneEmbeddedRecordFrom(__FCBaseData* source);
  void _SetLoadedSize(std::int32_t size) { _dataSize = size; }

 private:
  std::uint32_t _customTag = 0;
  void* _dataBuffer = nullptr;
  std::int32_t _dataSize = 0;
  QxULong _version;
  unsigned char _key[8] = {};
};
