// Exports every host function under its FX_ name, the way the real host
// program does, so that a loaded plug-in module finds them by name. Linked
// only into executables that act as a host.
#include "host/api/ExportTable.h"

#if defined(_WIN32)
#define QX_HOST_EXPORT __declspec(dllexport)
#else
#define QX_HOST_EXPORT __attribute__((visibility("default")))
#endif

#define QX_EXPORT_SYMBOL(Name, R, Lack, ...)                                                      \
  extern "C" QX_HOST_EXPORT ::pdk::kind::R::Raw QXAPI FX_##Name(QX_MAP(QX_SLOT_TYPE, __VA_ARGS__) \
                                                                    std::uint32_t);               \
  ::pdk::kind::R::Raw QXAPI FX_##Name(QX_MAP(QX_SLOT_PARAM, __VA_ARGS__) std::uint32_t version) { \
    return ::host::Thunk<::host::HostFn::Name>::Call(QX_MAP(QX_SLOT_ARG, __VA_ARGS__) version);   \
  }
QX_HOST_FUNCTIONS(QX_EXPORT_SYMBOL, QX_EXPORT_SYMBOL)
