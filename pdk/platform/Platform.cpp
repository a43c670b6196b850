#include "pdk/platform/Platform.h"

#include "pdk/platform/PlatformNative.h"
#include "pdk/testing/PlatformHooks.h"

namespace pdk {
namespace {
testing::PlatformHooks* g_hooks = nullptr;
}

void testing::InstallPlatformHooks(PlatformHooks* hooks) { g_hooks = hooks; }

namespace platform {

QuavixModuleHandle FindLoadedModule(const char* moduleName) {
  return g_hooks ? g_hooks->FindLoadedModule(moduleName) : native::FindLoadedModule(moduleName);
}

void* FindProc(QuavixModuleHandle module, const char* procName) {
  return g_hooks ? g_hooks->FindProc(module, procName) : native::FindProc(module, procName);
}

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
  return g_hooks ? g_hooks->ShowMessageBox(owner, text, caption, style)
                 : native::ShowMessageBox(owner, text, caption, style);
}

void* FindDialogItem(void* dialog, int item) {
  return g_hooks ? g_hooks->FindDialogItem(dialog, item) : native::FindDialogItem(dialog, item);
}

int ShowWindowItem(void* window, int command) {
  return g_hooks ? g_hooks->ShowWindowItem(window, command) : native::ShowWindowItem(window, command);
}

}  // namespace platform
}  // namespace pdk
