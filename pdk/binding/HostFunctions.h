// The module's wrappers of the host functions: same names, parameters and
// calling convention as the host's own. Every call ends with the interface
// version (quavix::kInterfaceVersion unless a record object carries its own).
#pragma once

#include <cstdint>

#include "interface/ArgumentKinds.h"
#include "interface/HostRecords.h"
#include "interface/HostTypes.h"
#include "interface/MacroMap.h"

#define QX_WRAPPER_PARAM(k, index) ::quavix::kind::k::Param p##index,
#define QX_WRAPPER_ARG(k, index) , p##index
#define QX_HOST_FUNCTION(Name, R, Lack, ...) \
  ::quavix::kind::R::Type QXAPI FX_##Name(QX_MAP(QX_WRAPPER_PARAM, __VA_ARGS__) QxULong version);
#include "interface/HostFunctions.def"
