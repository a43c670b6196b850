// Inputs the tests share. Expected values stay literals in the tests.
#pragma once

#include <cstdint>
#include <vector>

#include "host/document/DocumentBuilder.h"
#include "interface/HostTypes.h"

namespace qxtest {

// The interface version every call passes.
inline constexpr std::uint32_t kVersion = quavix::kInterfaceVersion;

// A four-note chord from the top down: Drop 2nds lowers the note at 2.
inline const std::vector<host::Pitch> kOpenChord = {{4, 0}, {2, 0}, {0, 0}, {-3, 0}};

}  // namespace qxtest
