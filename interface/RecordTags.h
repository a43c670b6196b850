// The kinds of data record the module and the host both name: four
// characters, the first the most significant byte.
#pragma once

#include <cstdint>

#include "interface/HostTypes.h"

namespace quavix::tag {

inline constexpr std::uint32_t kMeasure = MakeTag('S', 'O', 'M', 'S');
inline constexpr std::uint32_t kMeasureNumberRegion = MakeTag('S', 'O', 'M', 'N');
inline constexpr std::uint32_t kStaff = MakeTag('S', 'O', 'I', 'S');
inline constexpr std::uint32_t kStaffSpec = MakeTag('S', 'O', 'S', 'S');
inline constexpr std::uint32_t kCurrentStaffSpec = MakeTag('S', 'O', 'S', 'C');
inline constexpr std::uint32_t kPage = MakeTag('S', 'O', 'P', 'G');
inline constexpr std::uint32_t kTextBlock = MakeTag('S', 'O', 'T', 'X');
inline constexpr std::uint32_t kRawText = MakeTag('t', 'x', 'b', 'l');
inline constexpr std::uint32_t kClefDef = MakeTag('g', 'b', 'c', 'f');
inline constexpr std::uint32_t kGfhold = MakeTag('S', 'D', 'G', 'F');
inline constexpr std::uint32_t kShapeExpression = MakeTag('o', 't', 'D', 'O');
inline constexpr std::uint32_t kStaffStyle = MakeTag('S', 'O', 'S', 'D');
inline constexpr std::uint32_t kStaffStyleAssignment = MakeTag('o', 't', 'S', 'D');

}  // namespace quavix::tag
