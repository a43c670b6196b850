// A measure-number region record (keyed by the region number): the run of
// measures it numbers, its first number, and the texts printed before and
// after the number. Hosts from 0x0F000000 on store it in 196 bytes, earlier
// ones in 88; every call chooses by the running host's version.
#pragma once

#include <cstdint>

#include "framework/collections/FCCollection.h"
#include "framework/records/RecordFamilies.h"
#include "interface/MeasureRecords.h"

class FCMeasureNumberRegion : public __FCNoInciOther {
 public:
  explicit FCMeasureNumberRegion(QxULong version) : __FCNoInciOther(version) {}
  const char* ClassName() const override { return "FCMeasureNumberRegion"; }
  std::uint32_t Tag() override { return quavix::kMeasureNumberRegionTag; }
  std::int32_t DataSize() override;
  void* Allocate() override;
  __FCBaseData* CreateObject(QxULong version) override { return new FCMeasureNumberRegion(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCMeasureNumberRegion() override = default;

  void SetStartMeasure(short measure);
  void SetEndMeasure(short measure);  // stored as the measure after it
  void SetStartNumber(short number);  // stored as the number before it
  short GetStartMeasure() const;
  short GetEndMeasure() const;
  short GetStartNumber() const;
  // The texts inside the record, not copies; they need not end in NUL
  // within their fields (GetPrefixLength, GetSuffixLength).
  const char* GetPrefix() const;
  const char* GetSuffix() const;
  int GetPrefixLength() const;
  int GetSuffixLength() const;
  bool ContainsMeasure(short measure) const;

 private:
  static bool IsCurrentLayout();

  EDTMeasureNumberRegion _record{};
  EDTMeasureNumberRegionOld _oldRecord{};
};

// Measure-number regions in the order they were added; turns a measure
// number into the text shown for it.
class FCMeasureNumberRegions : public __FCCollection {
 public:
  const char* ClassName() const override { return "FCMeasureNumberRegions"; }
  // Writes prefix, number and suffix of the first region (in collection
  // order) that contains the measure; returns its index, or -1 leaving the
  // buffer untouched. The buffer must hold the prefix and suffix fields,
  // eleven digits and a NUL.
  int CalcMeasureNumber(int measure, char* buffer);
};
