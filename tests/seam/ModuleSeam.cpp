#include "seam/ModuleSeam.h"

#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostModule.h"
#include "pdk/frames/FrameServices.h"
#include "pdk/platform/Platform.h"

namespace qxtest {
namespace {
PlatformHooks* g_hooks = nullptr;
}

void InstallPlatformHooks(PlatformHooks* hooks) { g_hooks = hooks; }

void ResetModuleState() {
  for (auto& cell : pdk::binding::g_bindingCells) cell = pdk::binding::BindingCell{};
  pdk::binding::g_hostModule = {nullptr, false};
  RunningQuavixVersion = quavix::kInterfaceVersion;
  LoadedTGFCounter = 0;
  CanAddNoteRecordToRests = true;
}

}  // namespace qxtest

// The platform layer as the module's code sees it in the unit tests.
namespace pdk::platform {

using qxtest::g_hooks;

QuavixModuleHandle FindLoadedModule(const char* moduleName) {
  return g_hooks ? g_hooks->FindLoadedModule(moduleName) : nullptr;
}

void* FindProc(QuavixModuleHandle module, const char* procName) {
  return g_hooks ? g_hooks->FindProc(module, procName) : nullptr;
}

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
  return g_hooks ? g_hooks->ShowMessageBox(owner, text, caption, style) : 0;
}

void* FindDialogItem(void* dialog, int item) {
  return g_hooks ? g_hooks->FindDialogItem(dialog, item) : nullptr;
}

int ShowWindowItem(void* window, int command) {
  return g_hooks ? g_hooks->ShowWindowItem(window, command) : 0;
}

}  // namespace pdk::platform
