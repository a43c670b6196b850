// How each argument and result of a host function crosses the interface.
// Every argument occupies one 32-bit slot (a pointer slot on 64-bit builds):
// 16-bit parameters are re-extended with their declared signedness, 8-bit
// flags are zero-extended. 16-bit and 8-bit results arrive in the low half or
// byte of the 32-bit result and are extended again by the wrapper.
#pragma once

#include <cstdint>
#include <type_traits>

namespace pdk::kind {

// Arguments.
struct S {  // signed 16-bit
  using Param = short;
  using Slot = std::int32_t;
  static Slot ToSlot(Param v) { return v; }
};
struct U {  // unsigned 16-bit
  using Param = unsigned short;
  using Slot = std::uint32_t;
  static Slot ToSlot(Param v) { return v; }
};
struct B {  // 8-bit flag
  using Param = unsigned char;
  using Slot = std::uint32_t;
  static Slot ToSlot(Param v) { return v; }
};
struct L {  // 32-bit value
  using Param = std::int32_t;
  using Slot = std::int32_t;
  static Slot ToSlot(Param v) { return v; }
};
struct UL {  // unsigned 32-bit value (tags, versions)
  using Param = std::uint32_t;
  using Slot = std::uint32_t;
  static Slot ToSlot(Param v) { return v; }
};
template <typename T>
struct Ptr {  // address of a host record or buffer
  using Param = T*;
  using Slot = T*;
  static Slot ToSlot(Param v) { return v; }
};

// Results.
struct RS {  // 16-bit result, sign-extended
  using Type = short;
  using Raw = std::int32_t;
  static Type FromRaw(Raw r) { return static_cast<short>(static_cast<std::uint16_t>(r)); }
};
struct RU {  // 16-bit result, zero-extended
  using Type = unsigned short;
  using Raw = std::int32_t;
  static Type FromRaw(Raw r) { return static_cast<std::uint16_t>(r); }
};
struct RB {  // 8-bit truth value
  using Type = bool;
  using Raw = std::int32_t;
  static Type FromRaw(Raw r) { return (static_cast<std::uint32_t>(r) & 0xFFu) != 0; }
};
template <typename T>
struct RHost {  // the host's result unchanged: a 32-bit value, a pointer, or nothing
  using Type = T;
  using Raw = T;
  template <typename V>  // a template, so that RHost<void> needs no parameter of type void
  static Type FromRaw(V r) {
    return r;
  }
};
using RNone = RHost<void>;

// What a wrapper does when the host does not export its function.
struct Required {  // every supported host exports it; if not, the type's zero value
  template <typename T>
  static T Value() {
    if constexpr (!std::is_void_v<T>) return T{};
  }
};
template <auto V>
struct Returns {
  template <typename T>
  static T Value() {
    return static_cast<T>(V);
  }
};
struct DoesNothing {
  template <typename T>
  static T Value() {
    static_assert(std::is_void_v<T>);
  }
};
struct ReturnsBlank {  // a pointer to the one-blank string
  template <typename T>
  static T Value() {
    return " ";
  }
};
// The window system takes over (hand-written wrapper); never used as a value.
struct WindowFallback : Required {};

}  // namespace pdk::kind
