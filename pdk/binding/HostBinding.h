// Lazy binding of host functions by name. Each host function has one binding
// cell: looked up in the host module on the first call, the outcome (found or
// not) kept for the life of the module. After that a call costs one flag test
// and one indirect call.
#pragma once

#include <cstdint>
#include <type_traits>

#include "pdk/HostTypes.h"
#include "pdk/binding/ArgumentKinds.h"
#include "pdk/binding/HostFunctionIds.h"
#include "pdk/binding/HostFunctionTable.h"
#include "pdk/binding/MacroMap.h"

namespace pdk::binding {

struct BindingCell {
  void* proc;     // the host function, empty until found
  bool lookedUp;  // the lookup has been made, whatever its outcome
};

// The cells, indexed by HostFn. Constant-initialised to empty.
extern BindingCell g_bindingCells[kHostFunctionCount];

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
  using Function = typename R::Raw(QXAPI*)(typename K::Slot..., std::uint32_t);

  // Binds, then calls the host, or answers as the table says when the host
  // lacks the function.
  static Result Invoke(std::uint32_t version, typename K::Param... args) {
    void* proc = BoundProc(Id);
    if (proc == nullptr) return Lack::template Value<Result>();
    auto function = reinterpret_cast<Function>(proc);
    if constexpr (std::is_void_v<Result>) {
      function(K::ToSlot(args)..., version);
    } else {
      return R::FromRaw(function(K::ToSlot(args)..., version));
    }
  }
};

// HostCall<HostFn::X> is the Caller for row X of the table.
template <HostFn Id>
struct HostCall;

#define QX_QUALIFIED_KIND(k, index) , ::pdk::kind::k
#define QX_HOST_CALL(Name, R, Lack, ...) \
  template <>                            \
  struct HostCall<HostFn::Name>          \
      : Caller<HostFn::Name, ::pdk::kind::R, ::pdk::kind::Lack QX_MAP(QX_QUALIFIED_KIND, __VA_ARGS__)> {};
QX_HOST_FUNCTIONS(QX_HOST_CALL, QX_HOST_CALL)
#undef QX_HOST_CALL
#undef QX_QUALIFIED_KIND

}  // namespace pdk::binding
