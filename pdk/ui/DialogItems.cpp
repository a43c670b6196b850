// Showing and hiding dialog items: through the host where it can, else
// through the window system.
#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"
#include "pdk/platform/Platform.h"

using pdk::binding::BoundProc;
using pdk::binding::HostCall;
using pdk::binding::HostFn;

QxLong QXAPI FX_ShowHideDlgItem(void* dialog, QxLong item, short show, QxULong version) {
  // Older hosts have no such call, or one that does not work; there the
  // window system shows or hides the item.
  constexpr QxULong kLastVersionWithoutHostCall = 0x0B01FFFF;
  const bool hostHasIt = BoundProc(HostFn::ShowHideDlgItem) != nullptr;
  if (version > kLastVersionWithoutHostCall && hostHasIt) {
    return HostCall<HostFn::ShowHideDlgItem>::Invoke(version, dialog, item, show);
  }
  constexpr int kShowNormal = 1, kHide = 0;
  return pdk::platform::ShowWindowItem(pdk::platform::FindDialogItem(dialog, static_cast<int>(item)),
                                       show != 0 ? kShowNormal : kHide);
}
