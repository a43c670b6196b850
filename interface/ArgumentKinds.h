// How each argument and result of a host function crosses the interface, and
// what a module's wrapper does when the host lacks the function. The kinds
// are the columns of HostFunctions.def.
//
// Every argument occupies one 32-bit argument word (a pointer-sized word on
// 64-bit builds): 16-bit parameters are re-extended with their declared
// signedness, 8-bit flags are zero-extended. 16-bit and 8-bit results arrive
// in the low half or byte of the 32-bit result and are extended again by the
// wrapper. Param and Type are what the module's wrappers take and return;
// Word is what the host's function receives and returns.
#pragma once

#include <cstdint>
#include <type_traits>

#include "interface/HostTypes.h"

namespace quavix::kind {

// Arguments.
struct S {  // signed 16-bit
  using Param = short;
  using Word = std::int32_t;
  static Word ToWord(Param v) { return v; }
};
struct U {  // unsigned 16-bit
  using Param = unsigned short;
  using Word = std::uint32_t;
  static Word ToWord(Param v) { return v; }
};
struct B {  // 8-bit flag
  using Param = unsigned char;
  using Word = std::uint32_t;
  static Word ToWord(Param v) { return v; }
};
struct L {  // 32-bit value
  using Param = QxLong;
  using Word = std::int32_t;
  static Word ToWord(Param v) { return static_cast<Word>(v); }
};
struct UL {  // unsigned 32-bit value (tags, versions)
  using Param = QxULong;
  using Word = std::uint32_t;
  static Word ToWord(Param v) { return static_cast<Word>(v); }
};
template <typename T>
struct Ptr {  // address of a host record or buffer
  using Param = T*;
  using Word = T*;
  static Word ToWord(Param v) { return v; }
};
struct PL {  // address of a 32-bit value the host reads or writes
  using Param = QxLong*;
  using Word = std::int32_t*;
  // The same four bytes under the name each side uses for them.
  static Word ToWord(Param v) { return reinterpret_cast<Word>(v); }
};

// Results.
struct RS {  // 16-bit result, sign-extended
  using Type = short;
  using Word = std::int32_t;
  static Type FromWord(Word r) { return static_cast<short>(static_cast<std::uint16_t>(r)); }
};
struct RU {  // 16-bit result, zero-extended
  using Type = unsigned short;
  using Word = std::int32_t;
  static Type FromWord(Word r) { return static_cast<std::uint16_t>(r); }
};
struct RB {  // 8-bit result, zero-extended: the host's byte, read as a truth value
  using Type = unsigned char;
  using Word = std::int32_t;
  static Type FromWord(Word r) { return static_cast<std::uint8_t>(r); }
};
struct RL {  // 32-bit value, unchanged
  using Type = QxLong;
  using Word = std::int32_t;
  static Type FromWord(Word r) { return r; }
};
template <typename T>
struct RHost {  // the host's result unchanged: a pointer, or nothing
  using Type = T;
  using Word = T;
  template <typename V>  // a template, so that RHost<void> needs no parameter of type void
  static Type FromWord(V r) {
    return r;
  }
};
using RNone = RHost<void>;

// What a module's wrapper answers when the host does not export its
// function.
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
// The window system takes over (a hand-written wrapper); as a value, the
// zero of a required function.
struct WindowFallback : Required {};

}  // namespace quavix::kind
