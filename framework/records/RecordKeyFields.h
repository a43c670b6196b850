// The numbers inside a record key: little-endian whatever the machine.
#pragma once

#include <cstdint>

namespace framework::key {

inline void PutUnsigned16(unsigned char* at, std::uint16_t value) {
  at[0] = static_cast<unsigned char>(value & 0xFFu);
  at[1] = static_cast<unsigned char>(value >> 8);
}

inline std::uint16_t GetUnsigned16(const unsigned char* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline void PutUnsigned32(unsigned char* at, std::uint32_t value) {
  PutUnsigned16(at, static_cast<std::uint16_t>(value & 0xFFFFu));
  PutUnsigned16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

inline std::uint32_t GetUnsigned32(const unsigned char* at) {
  return GetUnsigned16(at) | (std::uint32_t{GetUnsigned16(at + 2)} << 16);
}

}  // namespace framework::key
