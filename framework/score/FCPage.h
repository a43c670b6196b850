// Pages and the host's layout services. Of a page record only the first
// staff system is read; of staff systems and staff lists, only the one call
// each that the framework offers.
#pragma once

#include <cstdint>

#include "framework/records/RecordFamilies.h"
#include "interface/HostRecords.h"

class FCPage : public __FCNoInciOther {
 public:
  explicit FCPage(QxULong version) : __FCNoInciOther(version) {}
  const char* ClassName() const override { return "FCPage"; }
  std::uint32_t Tag() override;
  std::int32_t DataSize() override { return sizeof(EDTPage); }
  void* Allocate() override { return &_record; }
  __FCBaseData* CreateObject(QxULong version) override { return new FCPage(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCPage() override = default;

  short GetFirstSystem() const { return _record.firstSystem; }
  // Has the host lay the page out again, then reloads it.
  bool UpdateLayout(bool flag);

 private:
  EDTPage _record{};
};

class FCStaffSystems : public __FCBase {
 public:
  const char* ClassName() const override { return "FCStaffSystems"; }
  // Has the host lay the document out again from page 1.
  QxLong UpdateFullLayout();
};

class FCStaffListIncis : public __FCBase {
 public:
  const char* ClassName() const override { return "FCStaffListIncis"; }
  // Not provided: loads nothing.
  int LoadAllSystems() { return 0; }
};
