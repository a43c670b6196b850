// Basic conventions of the host's plug-in interface: calling convention,
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

namespace pdk {

// The interface version the module passes as the last argument of every
// host call.
inline constexpr std::uint32_t kInterfaceVersion = 0x0F000200u;

// A four-character record or preference tag; the first character is the
// most significant byte.
constexpr std::uint32_t MakeTag(char a, char b, char c, char d) {
  return (std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
         (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d));
}

}  // namespace pdk
