// 16-bit arguments reach the host in 32-bit slots; only the low half is the
// value, read with the argument's declared signedness.
#pragma once

#include <cstdint>

namespace host::api {

inline int Signed16(std::int32_t slot) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(slot)); }
inline int Unsigned16(std::uint32_t slot) { return static_cast<std::uint16_t>(slot); }

}  // namespace host::api
