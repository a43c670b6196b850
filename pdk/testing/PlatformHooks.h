// Testing seam: replaces the platform layer so that tests decide which host
// module exists and which functions it exports, and can watch the lookups.
// Nothing in the module itself installs hooks.
#pragma once

#include "pdk/HostTypes.h"

namespace pdk::testing {

class PlatformHooks {
 public:
  virtual ~PlatformHooks() = default;
  virtual QuavixModuleHandle FindLoadedModule(const char* moduleName) = 0;
  virtual void* FindProc(QuavixModuleHandle module, const char* procName) = 0;
  virtual int ShowMessageBox(void*, const char*, const char*, unsigned) { return 0; }
  virtual void* FindDialogItem(void*, int) { return nullptr; }
  virtual int ShowWindowItem(void*, int) { return 0; }
};

// Routes every platform call to the hooks; null restores the real platform.
void InstallPlatformHooks(PlatformHooks* hooks);

// Forgets every binding and the host module handle, as if the module had
// just been loaded, and puts the module's counters and host version back to
// their load-time values.
void ResetModuleState();

}  // namespace pdk::testing
