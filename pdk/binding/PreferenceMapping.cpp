#include "pdk/binding/PreferenceMapping.h"

namespace pdk::binding::preferences {

bool LoadByStructure(std::uint32_t, void*, void*, QxLong*, QxULong, short&) { return false; }
bool LoadByArray(std::uint32_t, void*, void*, QxLong*, QxULong, short&) { return false; }
bool SaveByStructure(std::uint32_t, void*, void*, QxLong, QxULong, short&) { return false; }
bool SaveByArray(std::uint32_t, void*, void*, QxLong, QxULong, short&) { return false; }

}  // namespace pdk::binding::preferences
