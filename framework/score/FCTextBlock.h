// A text block record (tag SOTX, 26 bytes, keyed by block number): it names
// the raw text that holds the block's characters. Staff names and text
// expressions reach their words through one.
#pragma once

#include <cstdint>

#include "framework/records/RecordFamilies.h"
#include "interface/HostRecords.h"

class FCString;

class FCTextBlock : public __FCNoInciOther {
 public:
  explicit FCTextBlock(QxULong version);

  const char* ClassName() const override { return "FCTextBlock"; }
  std::uint32_t Tag() override;
  std::int32_t DataSize() override { return static_cast<std::int32_t>(sizeof(EDTTextBlock2004)); }
  void* Allocate() override;
  __FCBaseData* CreateObject(QxULong version) override { return new FCTextBlock(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCTextBlock() override = default;

  // A new string with the block's text (read under the raw text's default
  // tag), empty when there is none; the caller owns it.
  FCString* CreateRawTextString();

  short GetRawTextNumber() const { return _record.rawTextNumber; }

 private:
  EDTTextBlock2004 _record{};
};
