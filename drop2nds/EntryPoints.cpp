#include "drop2nds/EntryPoints.h"

#include <cstring>

#include "drop2nds/Drop2nds.h"
#include "framework/core/QuavixHost.h"
#include "framework/regions/FCMusicRegion.h"

namespace {

constexpr const char kLongName[] = "QZ Drop 2nds";
constexpr const char kDescription[] =
    "Transposes the 2nd highest note in a 4-note block chord one octave down.";
constexpr const char kShortName[] = "Drop 2nds";

// Fixed-length copy: at most the field's size; a shorter text is padded with
// zero bytes, a longer one fills the field with no terminator.
void CopyFixed(char (&field)[kMenuTextSize], const char* text) {
  const std::size_t length = std::strlen(text);
  const std::size_t copied = length < sizeof field ? length : sizeof field;
  std::memcpy(field, text, copied);
  std::memset(field + copied, 0, sizeof field - copied);
}

}  // namespace

std::uint32_t QXAPI QuavixExtensionVersion(std::uint32_t hostVersion) {
  SetQuavixFrameworkVersion(hostVersion);
  return hostVersion;
}

std::int32_t QXAPI QuavixExtensionInit(std::int32_t, std::uint32_t* flags) {
  if (flags != nullptr) *flags |= 1u;
  return 1;
}

std::int32_t QXAPI QuavixExtensionEnumerate(std::int32_t, std::int32_t index, EMENUITEM* item) {
  // One menu item, at index 0; a greater index means there are no more.
  if (static_cast<short>(index) > 0) return 0;
  if (item == nullptr) return 1;
  CopyFixed(item->longName, kLongName);
  CopyFixed(item->description, kDescription);
  CopyFixed(item->shortName, kShortName);
  item->value192 = 1;
  item->value194 = 0;
  return 1;
}

std::int32_t QXAPI QuavixExtensionInvoke(std::int32_t, std::int32_t, EREGION* region, std::int32_t) {
  FCMusicRegion selection(region);  // no record: an empty region
  Drop2nds(&selection);
  return 1;
}

void QXAPI QuavixExtensionTerminate(std::int32_t) {}

std::int32_t QXAPI QuavixExtensionGetMenuStatus(std::int32_t) { return 1; }
