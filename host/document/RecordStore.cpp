#include "host/document/RecordStore.h"

#include <iterator>

namespace host {
namespace {

constexpr std::uint16_t kAssign = 0xFFFF;
constexpr int kIncidentOffset = 4;  // of entry and cell details

bool IsDetail(RecordFamily family) { return family != RecordFamily::kNumbered; }

}  // namespace

std::uint16_t KeyUnsigned16(const RecordKey& key, int offset) {
  return static_cast<std::uint16_t>(key[static_cast<std::size_t>(offset)] |
                                    (key[static_cast<std::size_t>(offset) + 1] << 8));
}

void SetKeyUnsigned16(RecordKey& key, int offset, std::uint16_t value) {
  key[static_cast<std::size_t>(offset)] = static_cast<unsigned char>(value & 0xFFu);
  key[static_cast<std::size_t>(offset) + 1] = static_cast<unsigned char>(value >> 8);
}

std::uint32_t KeyUnsigned32(const RecordKey& key, int offset) {
  return KeyUnsigned16(key, offset) | (std::uint32_t{KeyUnsigned16(key, offset + 2)} << 16);
}

RecordKey NumberedKey(std::uint16_t item, std::int16_t incident) {
  RecordKey key{};
  SetKeyUnsigned16(key, 0, item);
  SetKeyUnsigned16(key, 2, static_cast<std::uint16_t>(incident));
  return key;
}

RecordKey EntryDetailKey(std::uint32_t entry, std::uint16_t incident) {
  RecordKey key{};
  SetKeyUnsigned16(key, 0, static_cast<std::uint16_t>(entry & 0xFFFFu));
  SetKeyUnsigned16(key, 2, static_cast<std::uint16_t>(entry >> 16));
  SetKeyUnsigned16(key, kIncidentOffset, incident);
  return key;
}

RecordKey CellDetailKey(std::uint16_t staff, std::uint16_t measure, std::uint16_t incident) {
  RecordKey key{};
  SetKeyUnsigned16(key, 0, staff);
  SetKeyUnsigned16(key, 2, measure);
  SetKeyUnsigned16(key, kIncidentOffset, incident);
  return key;
}

void RecordStore::DeclareFamily(std::uint32_t tag, RecordFamily family) { families_[tag] = family; }

RecordFamily RecordStore::FamilyOf(std::uint32_t tag) const {
  const auto it = families_.find(tag);
  return it == families_.end() ? RecordFamily::kNumbered : it->second;
}

RecordStore::SortKey RecordStore::SortKeyOf(std::uint32_t tag, const RecordKey& key) const {
  if (FamilyOf(tag) == RecordFamily::kEntryDetail)
    return {KeyUnsigned32(key, 0), KeyUnsigned16(key, 4), KeyUnsigned16(key, 6), 0};
  return {KeyUnsigned16(key, 0), KeyUnsigned16(key, 2), KeyUnsigned16(key, 4), KeyUnsigned16(key, 6)};
}

RecordStore::Records* RecordStore::RecordsOf(std::uint32_t tag) {
  const auto it = records_.find(tag);
  return it == records_.end() ? nullptr : &it->second;
}

const RecordStore::Records* RecordStore::RecordsOf(std::uint32_t tag) const {
  const auto it = records_.find(tag);
  return it == records_.end() ? nullptr : &it->second;
}

const std::string* RecordStore::Find(std::uint32_t tag, const RecordKey& key) const {
  const Records* records = RecordsOf(tag);
  if (records == nullptr) return nullptr;
  const auto it = records->find(SortKeyOf(tag, key));
  return it == records->end() ? nullptr : &it->second.body;
}

void RecordStore::Put(std::uint32_t tag, const RecordKey& key, std::string body) {
  records_[tag][SortKeyOf(tag, key)] = Entry{key, std::move(body)};
}

bool RecordStore::Replace(std::uint32_t tag, const RecordKey& key, std::string body) {
  Records* records = RecordsOf(tag);
  if (records == nullptr) return false;
  const auto it = records->find(SortKeyOf(tag, key));
  if (it == records->end()) return false;
  it->second.body = std::move(body);
  return true;
}

bool RecordStore::Create(std::uint32_t tag, RecordKey& key, std::string body) {
  const RecordFamily family = FamilyOf(tag);
  RecordKey assigned = key;
  const int field = IsDetail(family) ? kIncidentOffset : 0;
  if (KeyUnsigned16(key, field) == kAssign) {
    // The next number after the highest of the records that share the
    // fields before it (the entry or cell of a detail; all of the tag for
    // an item number).
    std::uint32_t next = IsDetail(family) ? 0 : 1;
    if (const Records* records = RecordsOf(tag)) {
      for (const auto& [sortKey, entry] : *records) {
        // A detail's owner (entry number, or staff and measure) is bytes 0-3.
        if (IsDetail(family) && KeyUnsigned32(entry.key, 0) != KeyUnsigned32(key, 0)) continue;
        const std::uint32_t number = KeyUnsigned16(entry.key, field);
        if (number != kAssign && number + 1 > next) next = number + 1;
      }
    }
    if (next >= kAssign) return false;
    SetKeyUnsigned16(assigned, field, static_cast<std::uint16_t>(next));
  }
  if (Find(tag, assigned) != nullptr) return false;
  Put(tag, assigned, std::move(body));
  key = assigned;
  return true;
}

bool RecordStore::Erase(std::uint32_t tag, const RecordKey& key) {
  Records* records = RecordsOf(tag);
  if (records == nullptr || records->erase(SortKeyOf(tag, key)) == 0) return false;
  if (IsDetail(FamilyOf(tag))) {
    // Close the gap: the owner's later incidents move down by one.
    const std::uint16_t gone = KeyUnsigned16(key, kIncidentOffset);
    std::vector<Entry> later;
    for (auto it = records->begin(); it != records->end();) {
      if (KeyUnsigned32(it->second.key, 0) == KeyUnsigned32(key, 0) &&
          KeyUnsigned16(it->second.key, kIncidentOffset) > gone &&
          KeyUnsigned16(it->second.key, kIncidentOffset) != kAssign) {
        later.push_back(std::move(it->second));
        it = records->erase(it);
      } else {
        ++it;
      }
    }
    for (Entry& entry : later) {
      SetKeyUnsigned16(entry.key, kIncidentOffset,
                       static_cast<std::uint16_t>(KeyUnsigned16(entry.key, kIncidentOffset) - 1));
      Put(tag, entry.key, std::move(entry.body));
    }
  }
  if (records->empty()) records_.erase(tag);
  return true;
}

bool RecordStore::Next(std::uint32_t tag, RecordKey& key) const {
  const Records* records = RecordsOf(tag);
  if (records == nullptr) return false;
  const auto it = records->upper_bound(SortKeyOf(tag, key));
  if (it == records->end()) return false;
  key = it->second.key;
  return true;
}

bool RecordStore::Previous(std::uint32_t tag, RecordKey& key) const {
  const Records* records = RecordsOf(tag);
  if (records == nullptr) return false;
  const auto it = records->lower_bound(SortKeyOf(tag, key));
  if (it == records->begin()) return false;
  key = std::prev(it)->second.key;
  return true;
}

std::vector<RecordStore::Record> RecordStore::All() const {
  std::vector<Record> all;
  for (const auto& [tag, records] : records_) {
    for (const auto& [sortKey, entry] : records) all.push_back({tag, entry.key, &entry.body});
  }
  return all;
}

std::size_t RecordStore::Count(std::uint32_t tag) const {
  const Records* records = RecordsOf(tag);
  return records == nullptr ? 0 : records->size();
}

}  // namespace host
