#include "framework/score/FCPage.h"

#include <cstring>

#include "interface/RecordTags.h"
#include "pdk/binding/HostFunctions.h"

std::uint32_t FCPage::Tag() { return quavix::tag::kPage; }

void FCPage::CloneMemoryFrom(__FCBaseData* source) {
  auto* page = dynamic_cast<FCPage*>(source);
  if (page == nullptr) return;  // another class's record has another size
  std::memcpy(&_record, &page->_record, sizeof _record);
  _SetDataPtr(&_record);
  _SetLoadedSize(DataSize());
}

bool FCPage::UpdateLayout(bool flag) {
  const unsigned short page = GetItemNo();
  FX_UpdateLayout(static_cast<short>(page), static_cast<short>(flag ? 1 : 0), quavix::kInterfaceVersion);
  return Load(page);
}

QxLong FCStaffSystems::UpdateFullLayout() { return FX_UpdateLayout(1, 0, quavix::kInterfaceVersion); }
