#include "pdk/binding/DataRecords.h"

#include <algorithm>
#include <cstring>

#include "interface/RecordTags.h"
#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"
#include "pdk/binding/PreferenceMapping.h"

using pdk::binding::HostCall;
using pdk::binding::HostFn;

namespace {

constexpr std::uint32_t kMeasureTag = quavix::tag::kMeasure;
constexpr std::uint32_t kStaffSpecTag = quavix::tag::kStaffSpec;
constexpr std::uint32_t kStaffSpecTagToo = 0x4F025353;
constexpr std::uint32_t kStaffTag = quavix::tag::kStaff;
constexpr std::uint32_t kTextBlockTag = quavix::tag::kTextBlock;
constexpr std::uint32_t kGfholdTag = quavix::tag::kGfhold;
constexpr std::uint32_t kShapeExpressionTag = quavix::tag::kShapeExpression;
constexpr std::uint32_t kArticulationDefTag = 0x4F044958;
constexpr std::uint32_t kWorkAround108Tag = 0x4F096649;
constexpr std::uint32_t kSosdTag = quavix::tag::kStaffStyle;
constexpr std::uint32_t kOtsdTag = quavix::tag::kStaffStyleAssignment;

enum class Change {
  kRaise,  // if v <= limit, v = to
  kForce,  // v = to, whatever v was
  kCap,    // if v > limit, v = limit
  kWarn,   // if v <= limit: warn, then v = to
};

struct Adaptation {
  std::uint32_t tag;
  std::uint32_t alsoTag;  // 0: none
  QxLong size;
  Change change;
  QxULong limit;
  QxULong to;
  const char* warning;
};

// clang-format off
constexpr Adaptation kAdaptations[] = {
    {kMeasureTag, 0, 26, Change::kRaise, 0x09FFFFFF, 0x0A000000, nullptr},
    {kMeasureTag, 0, 24, Change::kForce, 0, 0x09000000, nullptr},
    {kStaffSpecTag, kStaffSpecTagToo, 28, Change::kRaise, 0x09FFFFFF, 0x0A000000, nullptr},
    {kStaffSpecTag, kStaffSpecTagToo, 24, Change::kRaise, 0x05FFFFFF, 0x06000000, nullptr},
    {kStaffSpecTag, kStaffSpecTagToo, 22, Change::kForce, 0, 0x05000000, nullptr},
    {kStaffTag, 0, 66, Change::kForce, 0, 0x05000000, nullptr},
    {kStaffTag, 0, 102, Change::kForce, 0, 0x08000000, nullptr},
    {kTextBlockTag, 0, 48, Change::kCap, 0x08000000, 0x08000000, nullptr},
    {kTextBlockTag, 0, 26, Change::kWarn, 0x08FFFFFF, 0x09000000,
     "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter"},
    {kGfholdTag, 0, 12, Change::kCap, 0x08000000, 0x08000000, nullptr},
    {kGfholdTag, 0, 10, Change::kWarn, 0x08FFFFFF, 0x09000000,
     "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter"},
    {kShapeExpressionTag, 0, 12, Change::kCap, 0x08000000, 0x08000000, nullptr},
    {kShapeExpressionTag, 0, 34, Change::kWarn, 0x08FFFFFF, 0x09000000,
     "Warning to plug-in developer: EDTShapeExpression2004 used with wrong version parameter"},
};
// clang-format on

// The host result of a call as the module's wrappers see it.
short LoadFromHost(std::uint32_t tag, void* key, void* buffer, QxLong* size, QxULong version) {
  return HostCall<HostFn::LoadEData>::Invoke(version, tag, key, buffer, size);
}

bool AnyNonZero(const unsigned char* bytes, std::size_t count) {
  return std::any_of(bytes, bytes + count, [](unsigned char b) { return b != 0; });
}

// Kinds the host may fail to load while it has written part of the record:
// the first bytes are cleared before the call, and any byte written then
// counts as loaded. Only bytes inside the caller's buffer are cleared: a
// buffer smaller than the block is not written past.
bool LoadsWithCleared(std::uint32_t tag, std::size_t& count) {
  if (tag == kArticulationDefTag)
    count = 48;
  else if (tag == kWorkAround108Tag)
    count = 108;
  else
    return false;
  return true;
}

// A staff-style record the host lacks may still be implied by its related
// record (otSD with the same first key field and incident 0): it then loads
// as an empty 66-byte record.
constexpr QxLong kImpliedSosdSize = 66;
constexpr QxLong kOtsdSize = 12;

short LoadImpliedSosd(const void* key, void* buffer, QxLong* size) {
  unsigned char related[8];
  std::memcpy(related, key, sizeof related);
  related[2] = 0;
  related[3] = 0;
  unsigned char scratch[kOtsdSize];
  QxLong scratchSize = kOtsdSize;
  if (FX_LoadEData(kOtsdTag, related, scratch, &scratchSize, quavix::kInterfaceVersion) == 0) return 0;
  if (buffer != nullptr) {
    const QxLong count = std::min<QxLong>(*size, kImpliedSosdSize);
    if (count > 0) std::memset(buffer, 0, static_cast<std::size_t>(count));
  } else {
    *size = kImpliedSosdSize;
  }
  return 1;
}

}  // namespace

void HandleMorvelVersion(const std::uint32_t& tag, QxLong size, QxULong& version) {
  if (size == 0) return;
  for (const Adaptation& row : kAdaptations) {
    if ((tag != row.tag && (row.alsoTag == 0 || tag != row.alsoTag)) || size != row.size) continue;
    switch (row.change) {
      case Change::kRaise:
        if (version <= row.limit) version = row.to;
        break;
      case Change::kForce:
        version = row.to;
        break;
      case Change::kCap:
        if (version > row.limit) version = row.limit;
        break;
      case Change::kWarn:
        if (version <= row.limit) {
          FX_AlertMessage(0, 0, 0, row.warning, quavix::kInterfaceVersion);
          version = row.to;
        }
        break;
    }
    return;
  }
}

short QXAPI FX_LoadEData(QxULong tag, void* key, void* buffer, QxLong* size, QxULong version) {
  QxULong v = version;
  HandleMorvelVersion(tag, size != nullptr ? *size : 0, v);
  std::size_t cleared = 0;
  if (buffer != nullptr && size != nullptr && LoadsWithCleared(tag, cleared)) {
    cleared = std::min(cleared, static_cast<std::size_t>(std::max<QxLong>(*size, 0)));
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::memset(bytes, 0, cleared);
    if (LoadFromHost(tag, key, buffer, size, v) == 0) return AnyNonZero(bytes, cleared) ? 1 : 0;
  } else if (tag == kSosdTag && size != nullptr) {
    if (LoadFromHost(tag, key, buffer, size, v) == 0) return LoadImpliedSosd(key, buffer, size);
  }
  short mapped = 0;
  if (pdk::binding::preferences::LoadByStructure(tag, key, buffer, size, v, mapped)) return mapped;
  if (pdk::binding::preferences::LoadByArray(tag, key, buffer, size, v, mapped)) return mapped;
  return LoadFromHost(tag, key, buffer, size, v);
}

short QXAPI FX_SaveEData(QxULong tag, void* key, void* buffer, QxLong size, QxULong version) {
  QxULong v = version;
  HandleMorvelVersion(tag, size, v);
  // Callers of old versions write their records as they are.
  constexpr QxULong kLastUnmappedVersion = 0x07FFFFFF;
  if (version > kLastUnmappedVersion) {
    short mapped = 0;
    if (pdk::binding::preferences::SaveByStructure(tag, key, buffer, size, v, mapped)) return mapped;
    if (pdk::binding::preferences::SaveByArray(tag, key, buffer, size, v, mapped)) return mapped;
  }
  return HostCall<HostFn::SaveEData>::Invoke(v, tag, key, buffer, size);
}

short QXAPI FX_CreateEData(QxULong tag, void* key, void* buffer, QxLong size, QxULong version) {
  QxULong v = version;
  HandleMorvelVersion(tag, size, v);
  return HostCall<HostFn::CreateEData>::Invoke(v, tag, key, buffer, size);
}

short QXAPI FX_PreviousEData(QxULong tag, void* key, void* buffer, QxLong size, QxULong version) {
  QxULong v = version;
  HandleMorvelVersion(tag, size, v);
  return HostCall<HostFn::PreviousEData>::Invoke(v, tag, key, buffer, size);
}

short QXAPI FX_NextEData(QxULong tag, void* key, void* buffer, QxLong size, QxULong version) {
  QxULong v = version;
  HandleMorvelVersion(tag, size, v);
  return HostCall<HostFn::NextEData>::Invoke(v, tag, key, buffer, size);
}
