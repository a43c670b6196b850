// Data record wrappers: load, save, create and step host records. This is the
// place where the version argument is adapted to the record layout before
// the host sees the call.
#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"

using pdk::binding::HostCall;
using pdk::binding::HostFn;

short QXAPI FX_LoadEData(std::uint32_t tag, void* key, void* buffer, std::int32_t* size,
                         std::uint32_t version) {
  return HostCall<HostFn::LoadEData>::Invoke(version, tag, key, buffer, size);
}

short QXAPI FX_SaveEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                         std::uint32_t version) {
  return HostCall<HostFn::SaveEData>::Invoke(version, tag, key, buffer, size);
}

short QXAPI FX_CreateEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                           std::uint32_t version) {
  return HostCall<HostFn::CreateEData>::Invoke(version, tag, key, buffer, size);
}

short QXAPI FX_PreviousEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                             std::uint32_t version) {
  return HostCall<HostFn::PreviousEData>::Invoke(version, tag, key, buffer, size);
}

short QXAPI FX_NextEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                         std::uint32_t version) {
  return HostCall<HostFn::NextEData>::Invoke(version, tag, key, buffer, size);
}
