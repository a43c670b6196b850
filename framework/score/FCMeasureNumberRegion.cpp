#include "framework/score/FCMeasureNumberRegion.h"

#include <cstdio>
#include <cstring>

#include "pdk/binding/HostModule.h"

namespace {

constexpr QxULong kFirstCurrentLayoutVersion = 0x0F000000;

// The length of a text within its field: up to its NUL or the field's end.
int FieldLength(const char* text, std::size_t field) {
  const void* end = std::memchr(text, '\0', field);
  return static_cast<int>(end != nullptr ? static_cast<const char*>(end) - text
                                         : static_cast<std::ptrdiff_t>(field));
}

}  // namespace

bool FCMeasureNumberRegion::IsCurrentLayout() { return RunningQuavixVersion >= kFirstCurrentLayoutVersion; }

std::int32_t FCMeasureNumberRegion::DataSize() {
  return IsCurrentLayout() ? sizeof(EDTMeasureNumberRegion) : sizeof(EDTMeasureNumberRegionOld);
}

void* FCMeasureNumberRegion::Allocate() {
  return IsCurrentLayout() ? static_cast<void*>(&_record) : static_cast<void*>(&_oldRecord);
}

void FCMeasureNumberRegion::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }

// Each field through the layout in force.
#define QX_REGION_FIELD(field) (IsCurrentLayout() ? _record.field : _oldRecord.field)

void FCMeasureNumberRegion::SetStartMeasure(short measure) {
  if (IsCurrentLayout())
    _record.startMeasure = measure;
  else
    _oldRecord.startMeasure = measure;
}

void FCMeasureNumberRegion::SetEndMeasure(short measure) {
  const auto stored = static_cast<std::int16_t>(measure + 1);
  if (IsCurrentLayout())
    _record.endMeasure = stored;
  else
    _oldRecord.endMeasure = stored;
}

void FCMeasureNumberRegion::SetStartNumber(short number) {
  const auto stored = static_cast<std::int16_t>(number - 1);
  if (IsCurrentLayout())
    _record.startNumber = stored;
  else
    _oldRecord.startNumber = stored;
}

short FCMeasureNumberRegion::GetStartMeasure() const { return QX_REGION_FIELD(startMeasure); }
short FCMeasureNumberRegion::GetEndMeasure() const {
  return static_cast<short>(QX_REGION_FIELD(endMeasure) - 1);
}
short FCMeasureNumberRegion::GetStartNumber() const {
  return static_cast<short>(QX_REGION_FIELD(startNumber) + 1);
}
const char* FCMeasureNumberRegion::GetPrefix() const { return QX_REGION_FIELD(prefix); }
const char* FCMeasureNumberRegion::GetSuffix() const { return QX_REGION_FIELD(suffix); }

int FCMeasureNumberRegion::GetPrefixLength() const {
  return IsCurrentLayout() ? FieldLength(_record.prefix, sizeof _record.prefix)
                           : FieldLength(_oldRecord.prefix, sizeof _oldRecord.prefix);
}

int FCMeasureNumberRegion::GetSuffixLength() const {
  return IsCurrentLayout() ? FieldLength(_record.suffix, sizeof _record.suffix)
                           : FieldLength(_oldRecord.suffix, sizeof _oldRecord.suffix);
}

#undef QX_REGION_FIELD

bool FCMeasureNumberRegion::ContainsMeasure(short measure) const {
  return GetStartMeasure() <= measure && measure <= GetEndMeasure();
}

int FCMeasureNumberRegions::CalcMeasureNumber(int measure, char* buffer) {
  for (int i = 0; i < GetCount(); ++i) {
    auto* region = static_cast<FCMeasureNumberRegion*>(GetItemAt(i));
    if (region == nullptr || !region->ContainsMeasure(static_cast<short>(measure))) continue;
    // Prefix and suffix are read within their fields only: a record need not
    // end them in NUL.
    std::sprintf(buffer, "%.*s%d%.*s", region->GetPrefixLength(), region->GetPrefix(),
                 region->GetStartNumber() + measure - 1, region->GetSuffixLength(), region->GetSuffix());
    return i;
  }
  return -1;
}
