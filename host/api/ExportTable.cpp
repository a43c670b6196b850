#include "host/api/ExportTable.h"

#include <cstring>

namespace host {
namespace {

#define QX_HOST_FUNCTION(Name, ...) reinterpret_cast<void*>(&Thunk<HostFn::Name>::Call),
void* const kAddresses[] = {
#include "interface/HostFunctions.def"
};

}  // namespace

ExportTable& ExportTable::Instance() {
  static ExportTable table;
  return table;
}

void* ExportTable::Address(HostFn id) { return kAddresses[Index(id)]; }

void* ExportTable::Find(const char* name) const {
  if (name == nullptr) return nullptr;
  for (int i = 0; i < quavix::kHostFunctionCount; ++i) {
    if (std::strcmp(quavix::kHostFunctionNames[i], name) == 0) {
      return withheld_[i] ? nullptr : kAddresses[i];
    }
  }
  return nullptr;
}

void ExportTable::Withhold(HostFn id, bool withheld) { withheld_[Index(id)] = withheld; }

void ExportTable::FailNthCall(HostFn id, int nth) {
  failAt_[Index(id)] = nth > 0 ? counts_[Index(id)] + nth : 0;
}

void ExportTable::Reset() {
  withheld_.fill(false);
  counts_.fill(0);
  failAt_.fill(0);
  calls_.clear();
  logging_ = true;
}

bool ExportTable::EnterCall(HostFn id) {
  const int i = Index(id);
  if (logging_) calls_.push_back(id);
  ++counts_[i];
  return counts_[i] != failAt_[i];
}

}  // namespace host
