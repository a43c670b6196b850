#include "framework/core/QuavixHost.h"
#include "pdk/binding/HostBinding.h"
#include "pdk/frames/FrameServices.h"
#include "pdk/testing/PlatformHooks.h"

void pdk::testing::ResetModuleState() {
  for (auto& cell : binding::g_bindingCells) cell = binding::BindingCell{};
  detail::ResetQuavixHandleCache();
  RunningQuavixVersion = kInterfaceVersion;
  LoadedTGFCounter = 0;
  CanAddNoteRecordToRests = true;
}
