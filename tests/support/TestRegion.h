// A region record for tests: slots and measures from first to last, with
// optional cut positions (whole measures by default).
#pragma once

#include <cstdint>

#include "pdk/records/HostRecords.h"

namespace qxtest {

inline EREGION MakeRegion(short startSlot, short startMeasure, short endSlot, short endMeasure,
                          std::int32_t startPosition = 0, std::int32_t endPosition = 0x7FFFFFFF) {
  EREGION region{};
  region.startSlot = startSlot;
  region.startMeasure = startMeasure;
  region.startPosition = startPosition;
  region.endSlot = endSlot;
  region.endMeasure = endMeasure;
  region.endPosition = endPosition;
  return region;
}

}  // namespace qxtest
