// The module's wrappers of the host functions: same names, parameters and
// calling convention as the host's own. Every call ends with the interface
// version (pdk::kInterfaceVersion).
#pragma once

#include <cstdint>

#include "pdk/HostTypes.h"
#include "pdk/binding/ArgumentKinds.h"
#include "pdk/binding/HostFunctionTable.h"
#include "pdk/binding/MacroMap.h"

#define QX_WRAPPER_PARAM(k, index) ::pdk::kind::k::Param p##index,
#define QX_WRAPPER_ARG(k, index) , p##index
#define QX_DECLARE_WRAPPER(Name, R, Lack, ...) \
  ::pdk::kind::R::Type QXAPI FX_##Name(QX_MAP(QX_WRAPPER_PARAM, __VA_ARGS__) std::uint32_t version);
QX_HOST_FUNCTIONS(QX_DECLARE_WRAPPER, QX_DECLARE_WRAPPER)
#undef QX_DECLARE_WRAPPER
