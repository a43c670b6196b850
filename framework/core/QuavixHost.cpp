#include "framework/core/QuavixHost.h"

#include "pdk/platform/Platform.h"

std::uint32_t RunningQuavixVersion = pdk::kInterfaceVersion;

void SetQuavixFrameworkVersion(std::uint32_t version) { RunningQuavixVersion = version; }

namespace {
QuavixModuleHandle hQuavix = nullptr;
bool hQuavixLookedUp = false;
}  // namespace

QuavixModuleHandle GetQuavixHandle() {
  if (!hQuavixLookedUp) {
    // The module never loads a host itself; it only finds the one running.
    hQuavix = pdk::platform::FindLoadedModule("QUAVIX.EXE");
    if (hQuavix == nullptr) hQuavix = pdk::platform::FindLoadedModule("QUADEMO.EXE");
    hQuavixLookedUp = true;
  }
  return hQuavix;
}

void pdk::detail::ResetQuavixHandleCache() {
  hQuavix = nullptr;
  hQuavixLookedUp = false;
}
