// The host's export table: every FX_ function by name, as a module finds it.
// Each entry points at a thunk that records the call and can be told to fail,
// and any entry can be withheld so that the host looks as if it did not export
// the function.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "host/api/HostApi.h"
#include "pdk/binding/HostFunctionIds.h"

namespace host {

using pdk::binding::HostFn;

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
  std::array<bool, pdk::binding::kHostFunctionCount> withheld_{};
  std::array<int, pdk::binding::kHostFunctionCount> counts_{};
  std::array<int, pdk::binding::kHostFunctionCount> failAt_{};  // 0: none
  std::vector<HostFn> calls_;
  bool logging_ = true;
};

// Records the call, then runs the implementation unless the call is to fail.
template <HostFn Id, auto Impl, typename R, typename... K>
struct ExportThunk {
  static typename R::Raw QXAPI Call(typename K::Slot... args, std::uint32_t version) {
    if (!ExportTable::Instance().EnterCall(Id)) {
      if constexpr (std::is_void_v<typename R::Raw>) {
        return;
      } else {
        return typename R::Raw{};
      }
    }
    return Impl(args..., version);
  }
};

template <HostFn Id>
struct Thunk;

#define QX_QUALIFIED_SLOT_KIND(k, index) , ::pdk::kind::k
#define QX_THUNK(Name, R, Lack, ...)                                                                        \
  template <>                                                                                               \
  struct Thunk<HostFn::Name>                                                                                \
      : ExportThunk<HostFn::Name, &api::Name, ::pdk::kind::R QX_MAP(QX_QUALIFIED_SLOT_KIND, __VA_ARGS__)> { \
  };
QX_HOST_FUNCTIONS(QX_THUNK, QX_THUNK)
#undef QX_THUNK
#undef QX_QUALIFIED_SLOT_KIND

}  // namespace host
