// The host the module runs in: its module handle and the version it reported
// in the version handshake. Plain static data for the life of the module.
#pragma once

#include "interface/HostTypes.h"

// The version the host reported in the version handshake; the module's own
// interface version until then. Written only by SetQuavixFrameworkVersion.
extern QxULong RunningQuavixVersion;

void SetQuavixFrameworkVersion(QxULong version);

// The module handle of the host executable, or an empty handle when neither
// host program is loaded. Looked up once; the outcome is kept.
QuavixModuleHandle GetQuavixHandle();

namespace pdk::binding {

// The handle cache behind GetQuavixHandle: empty and not looked up at load.
struct HostModuleCache {
  QuavixModuleHandle handle;
  bool lookedUp;
};
extern HostModuleCache g_hostModule;

}  // namespace pdk::binding
