// The host's export table: every FX_ function by name, as a module finds it.
// Each entry points at a thunk that records the call and can be told to fail,
// and any entry can be withheld so that the host looks as if it did not export
// the function.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "host/api/HostApi.h"
#include "interface/ArgumentKinds.h"
#include "interface/HostFunctionIds.h"
#include "interface/MacroMap.h"

namespace host {

using quavix::HostFn;

class ExportTable {
 public:
  static ExportTable& Instance();

  // The address a module gets for this name: null for an unknown name or a
  // withheld function.
  void* Find(const char* name) const;
  static void* Address(HostFn id);

  void Withhold(HostFn id, bool withheld = true);
  // The nth call of the function from now on (1 = the next) fails: it does
  // not reach the implementation and answers the zero value of its result.
  void FailNthCall(HostFn id, int nth);

  int CallCount(HostFn id) const { return counts_[Index(id)]; }
  const std::vector<HostFn>& Calls() const { return calls_; }
  // With logging off, calls are still counted and can still be made to
  // fail, but Calls() does not grow: long runs stay cheap.
  void SetCallLogging(bool on) { logging_ = on; }
  // Back to a table that exports everything, has logged nothing, logs from
  // now on and fails nothing.
  void Reset();

  // Called by every thunk: records the call; false when it is to fail.
  bool EnterCall(HostFn id);

 private:
  static int Index(HostFn id) { return static_cast<int>(id); }
  std::array<bool, quavix::kHostFunctionCount> withheld_{};
  std::array<int, quavix::kHostFunctionCount> counts_{};
  std::array<int, quavix::kHostFunctionCount> failAt_{};  // 0: none
  std::vector<HostFn> calls_;
  bool logging_ = true;
};

// The implementation of a host function: api::Name for the functions listed
// in HostApi.h, none for the others.
template <HostFn Id>
inline constexpr std::nullptr_t kImplementation = nullptr;
#define QX_IMPLEMENTATION(Name) \
  template <>                   \
  inline constexpr auto kImplementation<HostFn::Name> = &api::Name;
QX_IMPLEMENTED_HOST_FUNCTIONS(QX_IMPLEMENTATION)
#undef QX_IMPLEMENTATION

// Records the call, then runs the implementation, or answers neutrally when
// there is none, unless the call is to fail.
template <HostFn Id, typename R, typename Lack, typename... K>
struct ExportThunk {
  using Result = typename R::Word;
  using Function = Result(QXAPI*)(typename K::Word..., std::uint32_t);

  static Result QXAPI Call(typename K::Word... args, std::uint32_t version) {
    if (!ExportTable::Instance().EnterCall(Id)) {
      if constexpr (!std::is_void_v<Result>)
        return Result{};
      else
        return;
    }
    constexpr auto implementation = kImplementation<Id>;
    if constexpr (std::is_null_pointer_v<std::remove_const_t<decltype(implementation)>>) {
      ((void)args, ...);
      (void)version;
      return Lack::template Value<Result>();
    } else {
      static_assert(std::is_same_v<std::remove_const_t<decltype(implementation)>, Function>,
                    "the implementation's signature differs from its row of the host function table");
      return implementation(args..., version);
    }
  }
};

template <HostFn Id>
struct Thunk;

#define QX_QUALIFIED_KIND(k, index) , ::quavix::kind::k
#define QX_HOST_FUNCTION(Name, R, Lack, ...)                                \
  template <>                                                               \
  struct Thunk<HostFn::Name> : ExportThunk<HostFn::Name, ::quavix::kind::R, \
                                           ::quavix::kind::Lack QX_MAP(QX_QUALIFIED_KIND, __VA_ARGS__)> {};
#include "interface/HostFunctions.def"
#undef QX_QUALIFIED_KIND

}  // namespace host
