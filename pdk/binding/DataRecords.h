// The data-record wrappers' version adaptation, for kinds whose body layout
// changed between host versions: the version a call carries is made to agree
// with the body size given. Where a newer layout comes with an older
// version, the plug-in developer is warned through the host.
#pragma once

#include <cstdint>

#include "interface/HostTypes.h"

// Applies the adaptation to a copy of the caller's version; the tag is only
// read. A size of 0, and any tag and size without a row, change nothing.
void HandleMorvelVersion(const std::uint32_t& tag, QxLong size, QxULong& version);
