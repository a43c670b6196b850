// Exports every host function under its FX_ name, the way the real host
// program does, so that a loaded plug-in module finds them by name. Linked
// only into executables that act as a host.
#include "host/api/ExportTable.h"

#if defined(_WIN32)
#define QX_HOST_EXPORT __declspec(dllexport)
#else
#define QX_HOST_EXPORT __attribute__((visibility("default")))
#endif

#define QX_WORD_TYPE(k, index) ::quavix::kind::k::Word,
#define QX_WORD_PARAM(k, index) ::quavix::kind::k::Word p##index,
#define QX_WORD_ARG(k, index) p##index,
#define QX_HOST_FUNCTION(Name, R, Lack, ...)                                                          \
  extern "C" QX_HOST_EXPORT ::quavix::kind::R::Word QXAPI FX_##Name(QX_MAP(QX_WORD_TYPE, __VA_ARGS__) \
                                                                        std::uint32_t);               \
  ::quavix::kind::R::Word QXAPI FX_##Name(QX_MAP(QX_WORD_PARAM, __VA_ARGS__) std::uint32_t version) { \
    return ::host::Thunk<::host::HostFn::Name>::Call(QX_MAP(QX_WORD_ARG, __VA_ARGS__) version);       \
  }
#include "interface/HostFunctions.def"
