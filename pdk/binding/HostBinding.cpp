#include "pdk/binding/HostBinding.h"

#include "framework/core/QuavixHost.h"
#include "pdk/platform/Platform.h"

namespace pdk::binding {

BindingCell g_bindingCells[kHostFunctionCount] = {};

void* ResolveHostFunction(HostFn id) { return platform::FindProc(GetQuavixHandle(), HostFunctionName(id)); }

}  // namespace pdk::binding
