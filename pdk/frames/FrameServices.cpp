// Frame wrappers: the host lends a frame with FX_LoadTGF and takes it back
// with FX_FreeTGF; every call that hands a frame back to the host cleans it
// first.
#include "pdk/frames/FrameServices.h"

#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"

using pdk::binding::HostCall;
using pdk::binding::HostFn;

std::int32_t LoadedTGFCounter = 0;

namespace {
void CleanBeforeHost(EXTGF2005a* frame) {
  if (frame != nullptr) CleanTGF(frame);
}
}  // namespace

EXTGF2005a* QXAPI FX_LoadTGF(unsigned short param, short slot, short measure, short layer, short loadFlag,
                             QxULong version) {
  ++LoadedTGFCounter;  // counted whatever the outcome
  return HostCall<HostFn::LoadTGF>::Invoke(version, param, slot, measure, layer, loadFlag);
}

QxLong QXAPI FX_FreeTGF(EXTGF2005a* frame, QxULong version) {
  --LoadedTGFCounter;
  return HostCall<HostFn::FreeTGF>::Invoke(version, frame);
}

short QXAPI FX_SaveTGF(EXTGF2005a* frame, QxULong version) {
  CleanBeforeHost(frame);
  return HostCall<HostFn::SaveTGF>::Invoke(version, frame);
}

short QXAPI FX_InsertEXENTRY(EXTGF2005a* frame, short index, short count, QxULong version) {
  CleanBeforeHost(frame);
  return HostCall<HostFn::InsertEXENTRY>::Invoke(version, frame, index, count);
}

short QXAPI FX_DeleteEXENTRY(EXTGF2005a* frame, short index, short count, QxULong version) {
  CleanBeforeHost(frame);
  return HostCall<HostFn::DeleteEXENTRY>::Invoke(version, frame, index, count);
}

QxLong QXAPI FX_ReduceEntries(EXTGF2005a* frame, QxULong version) {
  CleanBeforeHost(frame);
  return HostCall<HostFn::ReduceEntries>::Invoke(version, frame);
}
