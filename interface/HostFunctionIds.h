// Identifiers and exported names of the host functions, in table order.
#pragma once

#include "interface/ArgumentKinds.h"
#include "interface/HostRecords.h"

namespace quavix {

#define QX_HOST_FUNCTION(Name, ...) Name,
enum class HostFn : int {
#include "interface/HostFunctions.def"
  Count
};

inline constexpr int kHostFunctionCount = static_cast<int>(HostFn::Count);

#define QX_HOST_FUNCTION(Name, ...) "FX_" #Name,
inline constexpr const char* kHostFunctionNames[] = {
#include "interface/HostFunctions.def"
};
static_assert(sizeof(kHostFunctionNames) / sizeof(kHostFunctionNames[0]) == kHostFunctionCount);

// The exported name of a host function ("FX_LoadTGF").
constexpr const char* HostFunctionName(HostFn id) { return kHostFunctionNames[static_cast<int>(id)]; }

}  // namespace quavix
