// Where the preference mappings serve data-record calls from other records:
// a load or save of a mapped tag is answered from the records the
// preference lives in. Each function says whether it took the call and, if
// so, leaves the call's result in `result`. No tag is mapped yet, so every
// call is declined and reaches the host unchanged.
#pragma once

#include <cstdint>

#include "interface/HostTypes.h"

namespace pdk::binding::preferences {

bool LoadByStructure(std::uint32_t tag, void* key, void* buffer, QxLong* size, QxULong version,
                     short& result);
bool LoadByArray(std::uint32_t tag, void* key, void* buffer, QxLong* size, QxULong version, short& result);
bool SaveByStructure(std::uint32_t tag, void* key, void* buffer, QxLong size, QxULong version, short& result);
bool SaveByArray(std::uint32_t tag, void* key, void* buffer, QxLong size, QxULong version, short& result);

}  // namespace pdk::binding::preferences
