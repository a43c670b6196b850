// One clef definition of the document's clef table (tag gbcf, 18 bytes),
// selected by clef index. Its first field corrects note displacements for
// the clef.
#pragma once

#include <cstdint>

#include "framework/records/RecordFamilies.h"
#include "interface/HostRecords.h"

class FCClefDef : public __FCGlobals {
 public:
  explicit FCClefDef(QxULong version);

  const char* ClassName() const override { return "FCClefDef"; }
  std::uint32_t Tag() override;
  std::int32_t DataSize() override { return static_cast<std::int32_t>(sizeof(EDTClefDef)); }
  void* Allocate() override;
  __FCBaseData* CreateObject(QxULong version) override { return new FCClefDef(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCClefDef() override = default;

  // What a note's displacement gains in this clef; 0 until a load delivers.
  short GetDisplacementOffset() const { return _record.displacementOffset; }

 private:
  EDTClefDef _record{};
};
