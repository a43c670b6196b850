// The framework's text: a growable run of 16-bit character units, converted
// to and from the host's 8-bit, NUL-terminated text. A byte becomes a unit by
// sign extension and a unit a byte by its low 8 bits, so host text passes
// through unchanged byte for byte.
#pragma once

#include <memory>

#include "framework/core/FCBase.h"

class FCString : public __FCBase {
 public:
  FCString() = default;
  FCString(const FCString&) = delete;
  FCString& operator=(const FCString&) = delete;

  const char* ClassName() const override { return "FCString"; }
  ~FCString() override = default;

  // Replaces the contents; no text counts as the empty text.
  void SetCString(const char* text);
  // The contents as 8-bit text, owned by the string and valid until the next
  // GetCString (Equals, GetInt and StartsWith make one too).
  const char* GetCString();
  bool IsCharacter(int index, unsigned short unit) const;
  // Whether the unit at the index is one of the set's bytes. Set bytes are
  // taken as signed 8-bit values, so those from 0x80 up never match.
  bool IsCharacter(int index, const char* set) const;
  bool Equals(const char* text);
  void Append(unsigned short unit);
  // 0 outside the string.
  unsigned short GetItemAt(int index) const;
  // The decimal number from the start position on, read as atoi reads it
  // (clamped to the int range); 0 when the start lies past the end.
  int GetInt(int start);
  bool StartsWith(const char* prefix);

  int GetLength() const { return _length; }
  int _GetCapacity() const { return _capacity; }
  const unsigned short* _GetUnits() const { return _units.get(); }
  // Makes room for at least count + 1 units, growing to the next multiple of
  // 10 above count.
  void _ExpandStorageIfNecessary(int count);

 private:
  int _length = 0;
  int _capacity = 0;
  std::unique_ptr<unsigned short[]> _units;
  std::unique_ptr<char[]> _cString;
};
