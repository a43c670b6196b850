#include "framework/core/QuavixHost.h"
#include "pdk/binding/HostBinding.h"
#include "pdk/testing/PlatformHooks.h"

void pdk::testing::ResetModuleState() {
  for (auto& cell : binding::g_bindingCells) cell = binding::BindingCell{};
  detail::ResetQuavixHandleCache();
  RunningQuavixVersion = kInterfaceVersion;
}
