#include "framework/records/RecordFamilies.h"

#include <cstring>

#include "framework/records/RecordKeyFields.h"
#include "pdk/binding/HostFunctions.h"

using framework::key::GetUnsigned16;
using framework::key::PutUnsigned16;

void __FCOther::_SetItemNo(std::uint16_t item) { PutUnsigned16(_GetKey(), item); }

void __FCOther::_SetIncident(std::int16_t incident) {
  PutUnsigned16(_GetKey() + 2, static_cast<std::uint16_t>(incident));
}

std::uint16_t __FCOther::_ItemNo() const { return GetUnsigned16(_GetKey()); }

bool __FCNoInciOther::LoadFirst() { return Load(1); }

bool __FCNoInciOther::Load(unsigned short item) {
  _SetItemNo(item);
  _SetIncident(0);
  return LoadDataBlock();
}

bool __FCNoInciOther::SaveAs(unsigned short item) {
  _SetItemNo(item);
  _SetIncident(0);
  return Save();
}

bool __FCNoInciOther::SaveNew() {
  if (GetLoadedSize() <= 0) return false;
  _SetItemNo(0xFFFF);
  const std::int32_t size = DataSize();
  const std::uint32_t tag = Tag();
  return FX_CreateEData(tag, _GetKey(), _GetDataPtr(), size, GetVersion()) != 0;
}

unsigned short __FCNoInciOther::GetItemNo() { return _ItemNo(); }

bool __FCInciOther::Load(unsigned short item, short incident) {
  _SetItemNo(item);
  _SetIncident(incident);
  return LoadDataBlock();
}

bool __FCInci::Load(unsigned short item, short incident) {
  unsigned char* key = _GetKey();
  PutUnsigned16(key, item);
  PutUnsigned16(key + 2, static_cast<std::uint16_t>(incident));
  return LoadDataBlock();
}

bool __FCGlobals::Load(short number) {
  PutUnsigned16(_GetKey(), static_cast<std::uint16_t>(number));
  return LoadDataBlock();
}
