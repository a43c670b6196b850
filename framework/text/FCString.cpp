#include "framework/text/FCString.h"

#include <climits>
#include <cstdlib>
#include <cstring>

void FCString::_ExpandStorageIfNecessary(int count) {
  if (_capacity > count) return;
  const int capacity = (count + 10) / 10 * 10;
  auto grown = std::make_unique<unsigned short[]>(static_cast<std::size_t>(capacity));
  if (_units)
    std::memcpy(grown.get(), _units.get(), static_cast<std::size_t>(_length) * sizeof(unsigned short));
  _units = std::move(grown);
  _capacity = capacity;
}

void FCString::SetCString(const char* text) {
  const int count = text != nullptr ? static_cast<int>(std::strlen(text)) : 0;
  if (count == 0) {
    _units.reset();
    _capacity = 0;
    _length = 0;
    return;
  }
  _ExpandStorageIfNecessary(count);
  for (int i = 0; i < count; ++i) {
    _units[i] = static_cast<unsigned short>(static_cast<signed char>(text[i]));
  }
  _length = count;
}

const char* FCString::GetCString() {
  _cString.reset();
  auto bytes = std::make_unique<char[]>(static_cast<std::size_t>(_length) + 1);
  for (int i = 0; i < _length; ++i) bytes[i] = static_cast<char>(_units[i] & 0xFF);
  bytes[_length] = '\0';
  _cString = std::move(bytes);
  return _cString.get();
}

bool FCString::IsCharacter(int index, unsigned short unit) const {
  return index >= 0 && index < _length && _units[index] == unit;
}

bool FCString::IsCharacter(int index, const char* set) const {
  if (index < 0 || index >= _length || set == nullptr) return false;
  const int unit = _units[index];
  for (const char* at = set; *at != '\0'; ++at) {
    if (unit == static_cast<signed char>(*at)) return true;
  }
  return false;
}

bool FCString::Equals(const char* text) {
  if (text == nullptr) return false;
  const std::size_t count = std::strlen(text);
  const char* own = GetCString();
  // Byte for byte over the whole length: a unit 0 inside the string does not
  // end the comparison early.
  return count == static_cast<std::size_t>(_length) && std::memcmp(own, text, count) == 0;
}

void FCString::Append(unsigned short unit) {
  _ExpandStorageIfNecessary(_length + 1);
  _units[_length] = unit;
  ++_length;
}

unsigned short FCString::GetItemAt(int index) const {
  return index < 0 || index >= _length ? 0 : _units[index];
}

int FCString::GetInt(int start) {
  if (start < 0 || _length < start) return 0;
  // strtoll rather than atoi: the same reading, without atoi's undefined
  // result for digits beyond the int range.
  const long long value = std::strtoll(GetCString() + start, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

bool FCString::StartsWith(const char* prefix) {
  if (prefix == nullptr) return false;
  const std::size_t count = std::strlen(prefix);
  if (static_cast<std::size_t>(_length) < count) return false;
  return std::memcmp(GetCString(), prefix, count) == 0;
}
