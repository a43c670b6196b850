#include "pdk/binding/HostBinding.h"

#include "pdk/binding/HostModule.h"
#include "pdk/platform/Platform.h"

namespace pdk::binding {

BindingCell g_bindingCells[quavix::kHostFunctionCount] = {};

void* ResolveHostFunction(HostFn id) {
  return platform::FindProc(GetQuavixHandle(), quavix::HostFunctionName(id));
}

}  // namespace pdk::binding
