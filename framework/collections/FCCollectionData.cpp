#include "framework/collections/FCCollectionData.h"

#include <memory>

#include "framework/notes/FCNoteEntry.h"

void __FCCollectionData::_ClearForLoad() {
  _FreeElements();
  _SetCount(0);
}

void __FCCollectionData::_AddWalkFrom(__FCBaseData* prototype, bool firstLoaded) {
  if (!firstLoaded) return;
  do {
    Add(prototype->CreateClone());
  } while (prototype->LoadNext());
}

void __FCCollectionData::LoadAll(QxULong version) {
  _ClearForLoad();
  std::unique_ptr<__FCBaseData> prototype(CreateElement(version));
  if (prototype == nullptr) return;
  prototype->SetCustomTag(GetElementCustomTag());
  _AddWalkFrom(prototype.get(), prototype->LoadFirst());
}

void __FCCollectionInciOther::LoadAllForItem(unsigned short item, QxULong version) {
  _ClearForLoad();
  std::unique_ptr<__FCInciOther> prototype(CreateElement(version));
  if (prototype == nullptr) return;
  prototype->SetCustomTag(GetElementCustomTag());
  // Incidents are 16-bit: the walk ends after every one has been tried.
  for (int incident = 0; incident <= 0xFFFF; ++incident) {
    if (!prototype->Load(item, static_cast<short>(incident))) break;
    Add(prototype->CreateClone());
  }
}

void __FCCollectionEntryDetail::LoadAll(QxULong version) {
  if (_noteEntry == nullptr || _noteEntry->_GetEntryRecord() == nullptr) return;
  const std::uint32_t entryNumber = _noteEntry->GetEntryNumber();
  if (entryNumber == 0) return;
  _ClearForLoad();
  std::unique_ptr<__FCEntryDetail> prototype(CreateElement(version));
  if (prototype == nullptr) return;
  prototype->SetCustomTag(GetElementCustomTag());
  prototype->_SetEntryNumber(static_cast<QxLong>(entryNumber));
  prototype->SetNoteEntry(_noteEntry);
  _AddWalkFrom(prototype.get(), prototype->LoadFirst());
}

bool __FCCollectionEntryDetail::DestroyItemAt(int index) {
  auto* target = dynamic_cast<__FCEntryDetail*>(GetItemAt(index));
  if (target == nullptr) return false;
  // The host closes the gap the deletion leaves; the elements after it keep
  // naming the records they mirror.
  const short gone = target->GetIncident();
  for (int i = 0; i < GetCount(); ++i) {
    auto* element = dynamic_cast<__FCEntryDetail*>(GetItemAt(i));
    if (element != nullptr && element->GetIncident() > gone)
      element->_SetIncident(static_cast<short>(element->GetIncident() - 1));
  }
  target->DeleteData();
  DeleteItemAt(index);
  // Nothing else owns the element once it leaves the collection.
  delete target;
  return GetCount() > 0;
}
