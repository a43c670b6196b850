#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"

using pdk::binding::HostCall;
using pdk::binding::HostFn;

short QXAPI FX_AnalyzeChord(void* a, void* b, void* c, QxULong version) {
  // Chord analysis has no layout before 0x0B000000; older versions ask for that one.
  constexpr QxULong kFirstChordVersion = 0x0B000000;
  if (version < kFirstChordVersion) version = kFirstChordVersion;
  return HostCall<HostFn::AnalyzeChord>::Invoke(version, a, b, c);
}
