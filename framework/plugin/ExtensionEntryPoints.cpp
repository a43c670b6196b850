// The six entry points the host calls, serving the plug-in's one command.
#include <cstring>

#include "framework/plugin/PluginCommand.h"
#include "framework/regions/FCMusicRegion.h"
#include "interface/EntryPoints.h"
#include "pdk/binding/HostModule.h"

namespace {

// Fixed-length copy: at most the field's size; a shorter text is padded with
// zero bytes, a longer one fills the field with no terminator.
void CopyFixed(char (&field)[kMenuTextSize], const char* text) {
  const std::size_t length = text != nullptr ? std::strlen(text) : 0;
  const std::size_t copied = length < sizeof field ? length : sizeof field;
  if (copied > 0) std::memcpy(field, text, copied);
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
  CopyFixed(item->longName, kPluginCommand.longName);
  CopyFixed(item->description, kPluginCommand.description);
  CopyFixed(item->shortName, kPluginCommand.shortName);
  item->value192 = 1;
  item->value194 = 0;
  return 1;
}

std::int32_t QXAPI QuavixExtensionInvoke(std::int32_t, std::int32_t, EREGION* region, std::int32_t) {
  FCMusicRegion selection(region);  // no record: an empty region
  if (kPluginCommand.run != nullptr) kPluginCommand.run(&selection);
  return 1;
}

void QXAPI QuavixExtensionTerminate(std::int32_t) {}

std::int32_t QXAPI QuavixExtensionGetMenuStatus(std::int32_t) { return 1; }
