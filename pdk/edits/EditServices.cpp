// Host edits, mass edits and dialog items. The edit wrappers are where the
// nesting of host edits is tracked.
#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"
#include "pdk/platform/Platform.h"

using pdk::binding::BoundProc;
using pdk::binding::HostCall;
using pdk::binding::HostFn;

std::int32_t QXAPI FX_StartQuavixEdit(std::int32_t value, std::uint32_t version) {
  return HostCall<HostFn::StartQuavixEdit>::Invoke(version, value);
}

short QXAPI FX_EndQuavixEdit(std::uint32_t version) {
  return HostCall<HostFn::EndQuavixEdit>::Invoke(version);
}

void QXAPI FX_CancelQuavixEdit(std::uint32_t version) { HostCall<HostFn::CancelQuavixEdit>::Invoke(version); }

std::int32_t QXAPI FX_StartMassEdit(std::int32_t a, std::int32_t b, std::uint32_t version) {
  return HostCall<HostFn::StartMassEdit>::Invoke(version, a, b);
}

std::int32_t QXAPI FX_EndMassEdit(std::int32_t a, short b, std::uint32_t version) {
  return HostCall<HostFn::EndMassEdit>::Invoke(version, a, b);
}

std::int32_t QXAPI FX_ShowHideDlgItem(void* dialog, std::int32_t item, short show, std::uint32_t version) {
  // Older hosts have no such call, or one that does not work; there the
  // window system shows or hides the item.
  constexpr std::uint32_t kLastVersionWithoutHostCall = 0x0B01FFFF;
  const bool hostHasIt = BoundProc(HostFn::ShowHideDlgItem) != nullptr;
  if (version > kLastVersionWithoutHostCall && hostHasIt) {
    return HostCall<HostFn::ShowHideDlgItem>::Invoke(version, dialog, item, show);
  }
  constexpr int kShowNormal = 1, kHide = 0;
  return pdk::platform::ShowWindowItem(pdk::platform::FindDialogItem(dialog, item),
                                       show != 0 ? kShowNormal : kHide);
}
