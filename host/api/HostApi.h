// The substitute host's implementation of every FX_ function, under C++
// names (host::api::LoadTGF), with the exact argument slots the module
// passes. The FX_ names themselves are exported only by executables that act
// as a host (see ExportedSymbols.cpp).
#pragma once

#include <cstdint>

#include "pdk/HostTypes.h"
#include "pdk/binding/ArgumentKinds.h"
#include "pdk/binding/HostFunctionTable.h"
#include "pdk/binding/MacroMap.h"

#define QX_SLOT_TYPE(k, index) ::pdk::kind::k::Slot,
#define QX_SLOT_PARAM(k, index) ::pdk::kind::k::Slot p##index,
#define QX_SLOT_ARG(k, index) p##index,

namespace host::api {

// The version this host reports in the handshake.
inline constexpr std::uint32_t kHostVersion = 0x0F000200u;

#define QX_DECLARE_HOST_FUNCTION(Name, R, Lack, ...) \
  ::pdk::kind::R::Raw QXAPI Name(QX_MAP(QX_SLOT_TYPE, __VA_ARGS__) std::uint32_t version);
QX_HOST_FUNCTIONS(QX_DECLARE_HOST_FUNCTION, QX_DECLARE_HOST_FUNCTION)
#undef QX_DECLARE_HOST_FUNCTION

}  // namespace host::api
