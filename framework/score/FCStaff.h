// A staff record (keyed by the staff number): the staff's full name and its
// transposition. FCCurrentStaffSpec holds the staff settings in force at a
// note entry, in the same layout, reached only from an entry.
#pragma once

#include <cstdint>

#include "framework/records/RecordFamilies.h"
#include "interface/HostRecords.h"

class FCNoteEntry;
class FCString;

class FCStaff : public __FCNoInciOther {
 public:
  explicit FCStaff(QxULong version) : __FCNoInciOther(version) {}
  const char* ClassName() const override { return "FCStaff"; }
  std::uint32_t Tag() override;
  std::int32_t DataSize() override { return sizeof(EDTStaff); }
  void* Allocate() override { return &_record; }
  __FCBaseData* CreateObject(QxULong version) override { return new FCStaff(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCStaff() override = default;

  // A new string with the staff's full name, empty when it has none; the
  // caller owns it.
  FCString* CreateFullNameString();
  // The transposition word's interval (diatonic steps) and alteration.
  short GetTransposeInterval() const;
  short GetTransposeAlteration() const;

 private:
  EDTStaff _record{};
};

class FCCurrentStaffSpec : public FCStaff {
 public:
  explicit FCCurrentStaffSpec(QxULong version) : FCStaff(version) {}
  const char* ClassName() const override { return "FCCurrentStaffSpec"; }
  std::uint32_t Tag() override;
  ~FCCurrentStaffSpec() override = default;
  // These settings are reached from an entry only: by number nothing is
  // loaded or written.
  bool Load(unsigned short) override { return false; }
  bool SaveAs(unsigned short) override { return false; }
  bool SaveNew() override { return false; }
  unsigned short GetItemNo() override { return 0; }

  // The settings in force at the entry, keyed by its staff, measure and
  // position in the measure.
  bool Load(FCNoteEntry* entry);
};
