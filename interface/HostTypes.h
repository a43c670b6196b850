// Basic conventions of the host's plug-in interface, shared by the module and
// the host: calling convention, the widths of the framework's long types, the
// interface version, four-character tags and the host module handle.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define QXAPI __stdcall
#else
#define QXAPI
#endif

#if defined(_WIN32)
struct HINSTANCE__;
// Same type as the window system's HINSTANCE/HMODULE.
using QuavixModuleHandle = HINSTANCE__*;
#else
using QuavixModuleHandle = void*;
#endif

// The framework's documented signatures come from the host's 32-bit Windows
// interface, where long is 32 bits. There they are long and unsigned long, so
// that plug-in code written to those signatures compiles and overrides; on
// every other target they are the 32-bit types, never a 64-bit long.
#if defined(_WIN32) && !defined(_WIN64)
using QxLong = long;
using QxULong = unsigned long;
#else
using QxLong = std::int32_t;
using QxULong = std::uint32_t;
#endif
static_assert(sizeof(QxLong) == 4 && sizeof(QxULong) == 4);

namespace quavix {

// The interface version: the last argument of every host call, and what the
// host reports in the version handshake unless told otherwise.
inline constexpr std::uint32_t kInterfaceVersion = 0x0F000200u;

// A four-character record or preference tag; the first character is the
// most significant byte.
constexpr std::uint32_t MakeTag(char a, char b, char c, char d) {
  return (std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
         (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d));
}

}  // namespace quavix
