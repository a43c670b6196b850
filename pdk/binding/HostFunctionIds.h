// Identifiers and exported names of the host functions, in table order.
// Shared by the module's binding layer and by the substitute host.
#pragma once

#include "pdk/binding/HostFunctionTable.h"

namespace pdk::binding {

#define QX_ENUMERATOR(Name, ...) Name,
enum class HostFn : int { QX_HOST_FUNCTIONS(QX_ENUMERATOR, QX_ENUMERATOR) Count };
#undef QX_ENUMERATOR

inline constexpr int kHostFunctionCount = static_cast<int>(HostFn::Count);

#define QX_NAME(Name, ...) "FX_" #Name,
inline constexpr const char* kHostFunctionNames[] = {QX_HOST_FUNCTIONS(QX_NAME, QX_NAME)};
#undef QX_NAME
static_assert(sizeof(kHostFunctionNames) / sizeof(kHostFunctionNames[0]) == kHostFunctionCount);

// The exported name of a host function ("FX_LoadTGF").
constexpr const char* HostFunctionName(HostFn id) { return kHostFunctionNames[static_cast<int>(id)]; }

}  // namespace pdk::binding
