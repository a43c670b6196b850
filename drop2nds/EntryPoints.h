// The six functions the host calls. Exported under their plain names with the
// host's calling convention; nothing else of the module is visible.
#pragma once

#include <cstdint>

#include "pdk/HostTypes.h"
#include "pdk/records/HostRecords.h"

#if defined(_WIN32)
#define QX_EXTENSION_EXPORT extern "C"  // exported through drop2nds.def
#else
#define QX_EXTENSION_EXPORT extern "C" __attribute__((visibility("default")))
#endif

QX_EXTENSION_EXPORT std::uint32_t QXAPI QuavixExtensionVersion(std::uint32_t hostVersion);
QX_EXTENSION_EXPORT std::int32_t QXAPI QuavixExtensionInit(std::int32_t unused, std::uint32_t* flags);
QX_EXTENSION_EXPORT std::int32_t QXAPI QuavixExtensionEnumerate(std::int32_t unused, std::int32_t index,
                                                                EMENUITEM* item);
QX_EXTENSION_EXPORT std::int32_t QXAPI QuavixExtensionInvoke(std::int32_t unused1, std::int32_t unused2,
                                                             EREGION* region, std::int32_t unused4);
QX_EXTENSION_EXPORT void QXAPI QuavixExtensionTerminate(std::int32_t unused);
QX_EXTENSION_EXPORT std::int32_t QXAPI QuavixExtensionGetMenuStatus(std::int32_t unused);
