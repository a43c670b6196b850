#include "framework/browsers/FCBrowserBaseData.h"

#include <memory>

namespace {

// Hands the loaded record and each one after it to Iterate until it or the
// next load refuses; the count of true results.
int IterateOnward(__FCBaseData& record, FCIteratorHandler* handler) {
  int handled = 0;
  do {
    if (!handler->Iterate(&record)) break;
    ++handled;
  } while (record.LoadNext());
  return handled;
}

}  // namespace

int __FCBrowserBaseData::ForEach(FCIteratorHandler* handler) {
  if (!handler->PreProcess()) return 0;
  std::unique_ptr<__FCBaseData> record(CreateAnObject());
  int handled = 0;
  if (record != nullptr && record->LoadFirst() && handler->PreProcessIfExist()) {
    handled = IterateOnward(*record, handler);
    handler->PostProcessIfExist();
  }
  handler->PostProcess();
  return handled;
}

__FCBase* __FCBrowserBaseData::FindFirst(FCIteratorHandler* handler) {
  if (!handler->PreProcess()) return nullptr;
  std::unique_ptr<__FCBaseData> record(CreateAnObject());
  if (record != nullptr && record->LoadFirst() && handler->PreProcessIfExist()) {
    do {
      if (handler->Match(record.get())) {
        handler->PostProcessIfExist();
        return record.release();
      }
    } while (record->LoadNext());
  }
  handler->PostProcess();
  return nullptr;
}

__FCNoInciOther* __FCBrowserNoInciOther::LoadAnElement(unsigned short item) {
  std::unique_ptr<__FCNoInciOther> record(CreateAnObject());
  if (record == nullptr || !record->Load(item)) return nullptr;
  return record.release();
}

int __FCBrowserNoInciOther::ToEndFrom(unsigned short item, FCIteratorHandler* handler) {
  std::unique_ptr<__FCNoInciOther> record(LoadAnElement(item));
  return record != nullptr ? IterateOnward(*record, handler) : 0;
}

int __FCBrowserNoInciOther::GetCount() {
  std::unique_ptr<__FCNoInciOther> record(LoadAnElement(0));
  if (record == nullptr) return 0;
  int count = 1;
  while (record->LoadNext()) ++count;
  return count;
}
