#include "pdk/binding/HostModule.h"

#include "pdk/platform/Platform.h"

QxULong RunningQuavixVersion = quavix::kInterfaceVersion;

void SetQuavixFrameworkVersion(QxULong version) { RunningQuavixVersion = version; }

pdk::binding::HostModuleCache pdk::binding::g_hostModule = {nullptr, false};

QuavixModuleHandle GetQuavixHandle() {
  auto& cache = pdk::binding::g_hostModule;
  if (!cache.lookedUp) {
    // The module never loads a host itself; it only finds the one running.
    cache.handle = pdk::platform::FindLoadedModule("QUAVIX.EXE");
    if (cache.handle == nullptr) cache.handle = pdk::platform::FindLoadedModule("QUADEMO.EXE");
    cache.lookedUp = true;
  }
  return cache.handle;
}
