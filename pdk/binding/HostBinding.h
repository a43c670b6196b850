// Lazy binding of host functions by name. Each host function has one binding
// cell: looked up in the host module on the first call, the outcome (found or
// not) kept for the life of the module. After that a call costs one flag test
// and one indirect call.
#pragma once

#include <cstdint>
#include <type_traits>

#include "interface/ArgumentKinds.h"
#include "interface/HostFunctionIds.h"
#include "interface/HostRecords.h"
#include "interface/HostTypes.h"
#include "interface/MacroMap.h"

namespace pdk::binding {

using quavix::HostFn;

struct BindingCell {
  void* proc;     // the host function, empty until found
  bool lookedUp;  // the lookup has been made, whatever its outcome
};

// The cells, indexed by HostFn. Constant-initialised to empty.
extern BindingCell g_bindingCells[quavix::kHostFunctionCount];

// Asks the host module for the function's address (no caching here).
void* ResolveHostFunction(HostFn id);

// Looks the function up in the host module (first call only) and returns its
// address, or null when the host lacks it.
inline void* BoundProc(HostFn id) {
  BindingCell& cell = g_bindingCells[static_cast<int>(id)];
  if (!cell.lookedUp) {
    cell.proc = ResolveHostFunction(id);  // the address is stored before the mark
    cell.lookedUp = true;
  }
  return cell.proc;
}

// The call primitive shared by every wrapper, generated or hand-written.
template <HostFn Id, typename R, typename Lack, typename... K>
struct Caller {
  using Result = typename R::Type;
  using Function = typename R::Word(QXAPI*)(typename K::Word..., std::uint32_t);

  // Binds, then calls the host, or answers as the table says when the host
  // lacks the function.
  static Result Invoke(QxULong version, typename K::Param... args) {
    void* proc = BoundProc(Id);
    if (proc == nullptr) return Lack::template Value<Result>();
    auto function = reinterpret_cast<Function>(proc);
    if constexpr (std::is_void_v<Result>) {
      function(K::ToWord(args)..., static_cast<std::uint32_t>(version));
    } else {
      return R::FromWord(function(K::ToWord(args)..., static_cast<std::uint32_t>(version)));
    }
  }
};

// HostCall<HostFn::X> is the Caller for row X of the table.
template <HostFn Id>
struct HostCall;

#define QX_QUALIFIED_KIND(k, index) , ::quavix::kind::k
#define QX_HOST_FUNCTION(Name, R, Lack, ...)                              \
  template <>                                                             \
  struct HostCall<HostFn::Name> : Caller<HostFn::Name, ::quavix::kind::R, \
                                         ::quavix::kind::Lack QX_MAP(QX_QUALIFIED_KIND, __VA_ARGS__)> {};
#include "interface/HostFunctions.def"
#undef QX_QUALIFIED_KIND

}  // namespace pdk::binding
