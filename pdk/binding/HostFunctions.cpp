// Generated wrappers: every row of the table that only binds and forwards.
#include "pdk/binding/HostFunctions.h"

#include "pdk/binding/HostBinding.h"

using pdk::binding::HostCall;
using pdk::binding::HostFn;

#define QX_DEFINE_FORWARD(Name, R, Lack, ...)                                                         \
  ::pdk::kind::R::Type QXAPI FX_##Name(QX_MAP(QX_WRAPPER_PARAM, __VA_ARGS__) std::uint32_t version) { \
    return HostCall<HostFn::Name>::Invoke(version QX_MAP(QX_WRAPPER_ARG, __VA_ARGS__));               \
  }
#define QX_SKIP_EXTENDED(Name, ...)
QX_HOST_FUNCTIONS(QX_DEFINE_FORWARD, QX_SKIP_EXTENDED)
