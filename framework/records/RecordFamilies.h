// The record families: how each kind of host data record fills its 8-byte
// key (little-endian numbers) and finds its first and next records.
//
//   numbered, no incident   bytes 0-1 item number (from 1), bytes 2-3 incident 0
//   numbered, incident      bytes 0-1 item number, bytes 2-3 incident (signed)
//   global                  bytes 0-1 number (signed)
//
// A family never looks for a free number: to create a record it sends 0xFFFF
// in the number the host is to assign, and the host writes its choice back
// into the key.
#pragma once

#include <cstdint>

#include "framework/core/FCBaseData.h"

class __FCOther : public __FCBaseData {
 public:
  explicit __FCOther(QxULong version) : __FCBaseData(version) {}
  const char* ClassName() const override { return "__FCOther"; }

 protected:
  void _SetItemNo(std::uint16_t item);
  void _SetIncident(std::int16_t incident);
  std::uint16_t _ItemNo() const;
};

class __FCNoInciOther : public __FCOther {
 public:
  explicit __FCNoInciOther(QxULong version) : __FCOther(version) {}
  const char* ClassName() const override { return "__FCNoInciOther"; }
  bool LoadFirst() override;
  virtual bool Load(unsigned short item);
  virtual bool SaveAs(unsigned short item);
  // Creates a new record; the host chooses its item number.
  virtual bool SaveNew();
  virtual unsigned short GetItemNo();
};

// Reached by item and incident only (a collection of one item's incidents
// walks them); it has no first record of its own.
class __FCInciOther : public __FCOther {
 public:
  explicit __FCInciOther(QxULong version) : __FCOther(version) {}
  bool LoadFirst() override { return false; }
  virtual bool Load(unsigned short item, short incident);
};

// For record kinds keyed by item and incident outside the "other" records.
class __FCInci : public __FCBaseData {
 public:
  explicit __FCInci(QxULong version) : __FCBaseData(version) {}
  bool Load(unsigned short item, short incident);
};

class __FCGlobals : public __FCBaseData {
 public:
  explicit __FCGlobals(QxULong version) : __FCBaseData(version) {}
  const char* ClassName() const override { return "__FCGlobals"; }
  bool LoadFirst() override { return Load(0); }
  // Writes only the number (key bytes 0-1); the other key bytes stay.
  bool Load(short number);
};
