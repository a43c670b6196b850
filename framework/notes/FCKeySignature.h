// A copy of a measure's 16-bit key value, decoded. Bits 0-7 are the signed
// count of accidentals (sharps positive, flats negative), bit 8 selects the
// minor table; any value of 512 or more is non-standard, and every
// calculation answers -1 for it. Not a host record of its own.
#pragma once

#include <cstdint>

#include "framework/core/FCBaseData.h"

class FCKeySignature : public __FCBaseData {
 public:
  explicit FCKeySignature(QxULong version) : __FCBaseData(version) {}
  const char* ClassName() const override { return "FCKeySignature"; }
  std::uint32_t Tag() override { return 0; }
  std::int32_t DataSize() override { return sizeof _keyValue; }
  void* Allocate() override { return &_keyValue; }
  __FCBaseData* CreateObject(QxULong version) override { return new FCKeySignature(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCKeySignature() override = default;
  bool LoadFirst() override { return false; }

  short CalcSharps() const;
  short CalcFlats() const;
  // The tonic's letter: 0-6 for A-G.
  short CalcScaleRootIndex() const;

  std::uint16_t GetKeyValue() const { return _keyValue; }
  void SetKeyValue(std::uint16_t value) { _keyValue = value; }

 private:
  bool IsStandard() const { return _keyValue < 512; }
  // The accidentals: positive sharps, negative flats.
  int Accidentals() const { return static_cast<std::int8_t>(_keyValue & 0xFFu); }

  std::uint16_t _keyValue = 0;
};
