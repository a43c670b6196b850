#include "framework/score/FCPage.h"

#include "interface/RecordTags.h"
#include "pdk/binding/HostFunctions.h"

std::uint32_t FCPage::Tag() { return quavix::tag::kPage; }

void FCPage::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }

bool FCPage::UpdateLayout(bool flag) {
  const unsigned short page = GetItemNo();
  FX_UpdateLayout(static_cast<short>(page), static_cast<short>(flag ? 1 : 0), quavix::kInterfaceVersion);
  return Load(page);
}

QxLong FCStaffSystems::UpdateFullLayout() { return FX_UpdateLayout(1, 0, quavix::kInterfaceVersion); }
