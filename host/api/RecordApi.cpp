// The document's data records through the host's record functions. Every
// call is logged with the version it carried (Session::RecordCalls).
//
// A load copies at most the buffer's capacity and leaves the number of bytes
// delivered in the size word; a load with no buffer or a capacity of 0 asks
// only for the record's size. Next and previous move the key only.
#include <algorithm>
#include <cstring>
#include <string>

#include "host/api/HostApi.h"
#include "host/document/Session.h"

namespace host::api {
namespace {

RecordKey ReadKey(const void* key) {
  RecordKey copy{};
  std::memcpy(copy.data(), key, copy.size());
  return copy;
}

void WriteKey(void* key, const RecordKey& value) { std::memcpy(key, value.data(), value.size()); }

std::string Bytes(const void* buffer, std::int32_t size) {
  return std::string(static_cast<const char*>(buffer), static_cast<std::size_t>(size));
}

// The open document's records, after logging the call; null when no
// document is open or the call has no key.
RecordStore* Store(const char* function, std::uint32_t tag, const void* key, std::int32_t size,
                   std::uint32_t version) {
  Session& session = Session::Current();
  session.LogRecordCall({function, tag, key != nullptr ? ReadKey(key) : RecordKey{}, size, version});
  if (!session.HasDocument() || key == nullptr) return nullptr;
  return &session.document().Records();
}

}  // namespace

std::int32_t QXAPI LoadEData(std::uint32_t tag, void* key, void* buffer, std::int32_t* size,
                             std::uint32_t version) {
  RecordStore* store = Store("LoadEData", tag, key, size != nullptr ? *size : 0, version);
  if (store == nullptr || size == nullptr) return 0;
  const std::string* body = store->Find(tag, ReadKey(key));
  if (body == nullptr) return 0;
  const auto length = static_cast<std::int32_t>(body->size());
  if (buffer == nullptr || *size <= 0) {
    *size = length;
    return 1;
  }
  const std::int32_t delivered = std::min(*size, length);
  std::memcpy(buffer, body->data(), static_cast<std::size_t>(delivered));
  *size = delivered;
  return 1;
}

std::int32_t QXAPI SaveEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                             std::uint32_t version) {
  RecordStore* store = Store("SaveEData", tag, key, size, version);
  if (store == nullptr || size < 0 || (buffer == nullptr && size > 0)) return 0;
  return store->Replace(tag, ReadKey(key), Bytes(buffer, size)) ? 1 : 0;
}

std::int32_t QXAPI CreateEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                               std::uint32_t version) {
  RecordStore* store = Store("CreateEData", tag, key, size, version);
  if (store == nullptr || size < 0 || (buffer == nullptr && size > 0)) return 0;
  RecordKey assigned = ReadKey(key);
  if (!store->Create(tag, assigned, Bytes(buffer, size))) return 0;
  WriteKey(key, assigned);
  return 1;
}

std::int32_t QXAPI DeleteEData(std::uint32_t tag, void* key, std::uint32_t version) {
  RecordStore* store = Store("DeleteEData", tag, key, 0, version);
  return store != nullptr && store->Erase(tag, ReadKey(key)) ? 1 : 0;
}

std::int32_t QXAPI NextEData(std::uint32_t tag, void* key, void* /*buffer*/, std::int32_t size,
                             std::uint32_t version) {
  RecordStore* store = Store("NextEData", tag, key, size, version);
  if (store == nullptr) return 0;
  RecordKey moved = ReadKey(key);
  if (!store->Next(tag, moved)) return 0;
  WriteKey(key, moved);
  return 1;
}

std::int32_t QXAPI PreviousEData(std::uint32_t tag, void* key, void* /*buffer*/, std::int32_t size,
                                 std::uint32_t version) {
  RecordStore* store = Store("PreviousEData", tag, key, size, version);
  if (store == nullptr) return 0;
  RecordKey moved = ReadKey(key);
  if (!store->Previous(tag, moved)) return 0;
  WriteKey(key, moved);
  return 1;
}

}  // namespace host::api
