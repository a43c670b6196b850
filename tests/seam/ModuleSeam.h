// The unit tests' seam into the module's code, linked only into the tests:
// a substitute for the platform layer, so that tests decide which host
// module exists and which functions it exports and can watch the lookups,
// and a way back to the module's load-time state.
#pragma once

#include "interface/HostTypes.h"

namespace qxtest {

class PlatformHooks {
 public:
  virtual ~PlatformHooks() = default;
  virtual QuavixModuleHandle FindLoadedModule(const char* moduleName) = 0;
  virtual void* FindProc(QuavixModuleHandle module, const char* procName) = 0;
  virtual int ShowMessageBox(void*, const char*, const char*, unsigned) { return 0; }
  virtual void* FindDialogItem(void*, int) { return nullptr; }
  virtual int ShowWindowItem(void*, int) { return 0; }
};

// Routes every platform call to the hooks. With none installed the platform
// has no host program and no windows.
void InstallPlatformHooks(PlatformHooks* hooks);

// Forgets every binding and the host module handle, as if the module had
// just been loaded, and puts the module's counters and host version back to
// their load-time values.
void ResetModuleState();

}  // namespace qxtest
