// 16-bit arguments reach the host in 32-bit argument words; only the low
// half is the value, read with the argument's declared signedness.
#pragma once

#include <cstdint>

namespace host::api {

inline int Signed16(std::int32_t word) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(word)); }
inline int Unsigned16(std::uint32_t word) { return static_cast<std::uint16_t>(word); }

}  // namespace host::api
