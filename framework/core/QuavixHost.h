// The host the module runs in: its module handle and the version it reported.
#pragma once

#include <cstdint>

#include "pdk/HostTypes.h"

// The version the host reported in the version handshake; the module's own
// interface version until then. Written only by SetQuavixFrameworkVersion.
extern std::uint32_t RunningQuavixVersion;

void SetQuavixFrameworkVersion(std::uint32_t version);

// The module handle of the host executable, or an empty handle when neither
// host program is loaded. Looked up once; the outcome is kept.
QuavixModuleHandle GetQuavixHandle();

namespace pdk::detail {
void ResetQuavixHandleCache();  // testing support only
}
