// The six entry points of a plug-in module (rows in EntryPoints.def): their
// declarations for the module that defines them, their function types for
// the host that calls them. Exported under their plain names with
// the host's calling convention.
#pragma once

#include <cstdint>

#include "interface/HostRecords.h"
#include "interface/HostTypes.h"

#if defined(_WIN32)
#define QX_ENTRY_POINT_EXPORT extern "C"  // exported through the module's .def file
#else
#define QX_ENTRY_POINT_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#define QX_ENTRY_POINT(Name, Result, Params, Bytes) QX_ENTRY_POINT_EXPORT Result QXAPI Name Params;
#include "interface/EntryPoints.def"

namespace quavix {

// The function type of each entry point: quavix::entry::QuavixExtensionInit.
namespace entry {
#define QX_ENTRY_POINT(Name, Result, Params, Bytes) using Name = Result(QXAPI*) Params;
#include "interface/EntryPoints.def"
}  // namespace entry

#if defined(_WIN32) && !defined(_WIN64)
// Bytes a stdcall function of this type pops: each argument takes a multiple
// of four bytes.
template <typename Function>
struct StdcallArgumentBytes;
template <typename R, typename... P>
struct StdcallArgumentBytes<R(QXAPI*)(P...)> {
  static constexpr int value = (0 + ... + static_cast<int>((sizeof(P) + 3) / 4 * 4));
};
#define QX_ENTRY_POINT(Name, Result, Params, Bytes)                \
  static_assert(StdcallArgumentBytes<entry::Name>::value == Bytes, \
                #Name ": the byte count in EntryPoints.def does not match its parameters");
#include "interface/EntryPoints.def"
#endif

}  // namespace quavix
