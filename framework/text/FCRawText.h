// One block of host text (tag txbl, or the custom tag): the 8-bit text with
// its terminating NUL, as long as the host says the record is. Keyed like a
// global record: key bytes 0-1 hold the text number.
#pragma once

#include <cstdint>

#include "framework/core/FCBaseData.h"

class FCString;

class FCRawText : public __FCBaseData {
 public:
  explicit FCRawText(QxULong version);
  FCRawText(const FCRawText&) = delete;
  FCRawText& operator=(const FCRawText&) = delete;

  const char* ClassName() const override { return "FCRawText"; }
  std::uint32_t Tag() override;
  // The size the host reports for the record under the key; 0 when none.
  std::int32_t DataSize() override;
  void* Allocate() override;
  void Deallocate() override;
  bool IsDynamicSize() override { return true; }
  // Raw texts are not cloned or gathered into collections.
  __FCBaseData* CreateObject(QxULong) override { return nullptr; }
  ~FCRawText() override;
  // Sends the block held, which after SetText is the new text.
  bool Save() override;
  bool LoadFirst() override { return false; }
  bool LoadNext() override;

  bool Load(short number);
  bool SaveAs(short number);
  // The data become a copy of the string's 8-bit text with its NUL.
  void SetText(FCString* text);
  // A new string with the record's text; the caller owns it.
  FCString* CreateString();

 private:
  void _SetTextNumber(short number);
  void* _NewTextBlock(std::int32_t size);
  bool _LoadIntoNewBlock();
};
