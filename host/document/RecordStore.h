// The document's data records: bodies of bytes by kind (a four-character
// tag) and 8-byte key. Within a tag, records are kept in key order, which
// is the order a module's next and previous steps walk:
//
//   most tags          key bytes 0-1, 2-3, 4-5, 6-7, each a little-endian
//                      unsigned 16-bit number, compared in that order
//   entry details      bytes 0-3 (the entry number, 32-bit), then 4-5, 6-7
//
// Creating assigns the number the key asks for with 0xFFFF: the item number
// of a numbered record (bytes 0-1; the next after the highest in use, from
// 1), or the incident of an entry or cell detail (bytes 4-5; the next after
// the highest of that entry or cell, from 0). Details are walked incident
// by incident from 0, so deleting one moves the later incidents of its entry
// or cell down by one: a walk never meets a gap.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace host {

using RecordKey = std::array<unsigned char, 8>;

// How a tag's keys are laid out.
enum class RecordFamily {
  kNumbered,     // bytes 0-1 item number, bytes 2-3 incident
  kEntryDetail,  // bytes 0-3 entry number, bytes 4-5 incident
  kCellDetail,   // bytes 0-1 staff, bytes 2-3 measure, bytes 4-5 incident
};

class RecordStore {
 public:
  // Tags are numbered records unless declared otherwise.
  void DeclareFamily(std::uint32_t tag, RecordFamily family);
  RecordFamily FamilyOf(std::uint32_t tag) const;

  const std::string* Find(std::uint32_t tag, const RecordKey& key) const;
  // Adds or replaces a record.
  void Put(std::uint32_t tag, const RecordKey& key, std::string body);
  // Replaces an existing record's body; false when there is none.
  bool Replace(std::uint32_t tag, const RecordKey& key, std::string body);
  // Creates a record under the key, first assigning the number the key asks
  // for (see above) and writing it into the key. False, changing nothing,
  // when the key names a record that exists or no number is left.
  bool Create(std::uint32_t tag, RecordKey& key, std::string body);
  bool Erase(std::uint32_t tag, const RecordKey& key);
  // Moves the key to the record after (before) it in key order; the key
  // need not name a record. False, key unchanged, when there is none.
  bool Next(std::uint32_t tag, RecordKey& key) const;
  bool Previous(std::uint32_t tag, RecordKey& key) const;

  // Every record, by tag and then key order.
  struct Record {
    std::uint32_t tag;
    RecordKey key;
    const std::string* body;
  };
  std::vector<Record> All() const;
  std::size_t Count(std::uint32_t tag) const;

 private:
  // A key as the numbers it is ordered by.
  using SortKey = std::array<std::uint32_t, 4>;
  SortKey SortKeyOf(std::uint32_t tag, const RecordKey& key) const;
  struct Entry {
    RecordKey key;
    std::string body;
  };
  using Records = std::map<SortKey, Entry>;
  Records* RecordsOf(std::uint32_t tag);
  const Records* RecordsOf(std::uint32_t tag) const;

  std::map<std::uint32_t, Records> records_;
  std::map<std::uint32_t, RecordFamily> families_;
};

// Key fields, little-endian.
std::uint16_t KeyUnsigned16(const RecordKey& key, int offset);
void SetKeyUnsigned16(RecordKey& key, int offset, std::uint16_t value);
std::uint32_t KeyUnsigned32(const RecordKey& key, int offset);
// A key with an item number and incident (numbered records, globals).
RecordKey NumberedKey(std::uint16_t item, std::int16_t incident = 0);
// The key of an entry's detail, and of a cell's.
RecordKey EntryDetailKey(std::uint32_t entry, std::uint16_t incident);
RecordKey CellDetailKey(std::uint16_t staff, std::uint16_t measure, std::uint16_t incident);

}  // namespace host
