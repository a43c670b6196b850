// Generated wrappers: every row of the table that only binds and forwards.
#include "pdk/binding/HostFunctions.h"

#include "pdk/binding/HostBinding.h"

using pdk::binding::HostCall;
using pdk::binding::HostFn;

#define QX_FORWARD(Name, R, Lack, ...)                                                             \
  ::quavix::kind::R::Type QXAPI FX_##Name(QX_MAP(QX_WRAPPER_PARAM, __VA_ARGS__) QxULong version) { \
    return HostCall<HostFn::Name>::Invoke(version QX_MAP(QX_WRAPPER_ARG, __VA_ARGS__));            \
  }
#define QX_EXTENDED(Name, ...)
#include "interface/HostFunctions.def"
