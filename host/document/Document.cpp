#include "host/document/Document.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace host {
namespace {

constexpr std::uint64_t kMaxEntryNumber = 0xFFFFFFFFu;

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::invalid_argument(what);
}

}  // namespace

std::int32_t FrameDuration(const EXENTRY* entries, int count) {
  std::int64_t end = 0;
  for (int i = 0; i < count; ++i) {
    const std::int64_t position = entries[i].position;
    const std::int32_t duration = entries[i].duration;  // a copy: the field is packed
    end = std::max(end, position + std::max<std::int32_t>(duration, 0));
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>(end, quavix::kEndOfMeasure));
}

Document::Document() : layerShown_(kDefaultMaxLayers, true) {}

void Document::SetStaves(const std::vector<int>& staffIdsInSlotOrder) {
  Require(staffIdsInSlotOrder.size() <= static_cast<std::size_t>(kMaxInt16), "too many staves");
  std::unordered_map<int, int> slots;
  for (std::size_t i = 0; i < staffIdsInSlotOrder.size(); ++i) {
    const int id = staffIdsInSlotOrder[i];
    Require(id >= 1 && id <= kMaxInt16, "staff ID out of range: " + std::to_string(id));
    Require(slots.emplace(id, static_cast<int>(i) + 1).second, "staff ID twice: " + std::to_string(id));
  }
  staffBySlot_ = staffIdsInSlotOrder;
  slotByStaff_ = std::move(slots);
  // Content of staves that are gone goes with them.
  for (auto it = cells_.begin(); it != cells_.end();) {
    const int staffId = static_cast<std::int16_t>(it->first >> 32);
    it = slotByStaff_.count(staffId) ? std::next(it) : cells_.erase(it);
  }
}

void Document::SetMeasureCount(int count) {
  Require(count >= 0 && count <= kMaxInt16, "measure count out of range");
  measureCount_ = count;
  for (auto it = cells_.begin(); it != cells_.end();) {
    const int measure = static_cast<std::int16_t>(it->first >> 16);
    it = measure <= count ? std::next(it) : cells_.erase(it);
  }
}

void Document::SetMaxLayers(int count) {
  Require(count >= 1 && count <= kMaxInt16, "layer count out of range");
  layerShown_.resize(static_cast<std::size_t>(count), true);
  for (auto it = cells_.begin(); it != cells_.end();) {
    const int layer = static_cast<std::int16_t>(it->first);
    it = layer < count ? std::next(it) : cells_.erase(it);
  }
}

void Document::SetLayerShown(int layer, bool shown) {
  Require(layer >= 0 && layer < MaxLayers(), "no such layer: " + std::to_string(layer));
  layerShown_[static_cast<std::size_t>(layer)] = shown;
}

void Document::SetNumber(int number) {
  Require(number >= 1 && number <= kMaxInt16, "document number out of range");
  number_ = number;
}

void Document::SetSelection(const EREGION& region) { selection_ = region; }

bool Document::IsLayerShown(int layer) const {
  return layer >= 0 && layer < MaxLayers() && layerShown_[static_cast<std::size_t>(layer)];
}

EREGION Document::WholeDocument() const {
  EREGION whole{};
  whole.startSlot = 1;
  whole.startMeasure = 1;
  whole.startPosition = 0;
  whole.endSlot = static_cast<std::int16_t>(StaffCount());
  whole.endMeasure = static_cast<std::int16_t>(measureCount_);
  whole.endPosition = quavix::kEndOfMeasure;
  return whole;
}

int Document::StaffAtSlot(int slot) const {
  if (slot < 1 || slot > StaffCount()) return 0;
  return staffBySlot_[static_cast<std::size_t>(slot - 1)];
}

int Document::SlotOfStaff(int staffId) const {
  auto it = slotByStaff_.find(staffId);
  return it == slotByStaff_.end() ? 0 : it->second;
}

bool Document::HasCell(int staffId, int measure, int layer) const {
  return slotByStaff_.count(staffId) != 0 && measure >= 1 && measure <= measureCount_ && layer >= 0 &&
         layer < MaxLayers();
}

Document::CellKey Document::KeyOf(int staffId, int measure, int layer) {
  // Each part fits in 16 bits once HasCell holds.
  return (static_cast<CellKey>(static_cast<std::uint16_t>(staffId)) << 32) |
         (static_cast<CellKey>(static_cast<std::uint16_t>(measure)) << 16) |
         static_cast<CellKey>(static_cast<std::uint16_t>(layer));
}

void Document::CheckCell(int staffId, int measure, int layer) const {
  if (!HasCell(staffId, measure, layer)) {
    throw std::out_of_range("no cell for staff " + std::to_string(staffId) + ", measure " +
                            std::to_string(measure) + ", layer " + std::to_string(layer));
  }
}

const Document::Cell* Document::FindCell(int staffId, int measure, int layer) const {
  auto it = cells_.find(KeyOf(staffId, measure, layer));
  return it == cells_.end() ? nullptr : &it->second;
}

const std::vector<EXENTRY>& Document::Entries(int staffId, int measure, int layer) const {
  static const std::vector<EXENTRY> kNone;
  CheckCell(staffId, measure, layer);
  const Cell* cell = FindCell(staffId, measure, layer);
  return cell ? cell->entries : kNone;
}

const std::vector<EXTUPLET>& Document::Tuplets(int staffId, int measure, int layer) const {
  static const std::vector<EXTUPLET> kNone;
  CheckCell(staffId, measure, layer);
  const Cell* cell = FindCell(staffId, measure, layer);
  return cell ? cell->tuplets : kNone;
}

std::size_t Document::EntryCount() const {
  std::size_t count = 0;
  for (const auto& [key, cell] : cells_) count += cell.entries.size();
  return count;
}

void Document::NoteEntryNumber(std::uint32_t number) {
  lastEntryNumber_ = std::max<std::uint64_t>(lastEntryNumber_, number);
}

void Document::AddEntry(int staffId, int measure, int layer, EXENTRY entry) {
  CheckCell(staffId, measure, layer);
  Cell& cell = cells_[KeyOf(staffId, measure, layer)];
  if (cell.entries.size() >= static_cast<std::size_t>(kMaxInt16)) {
    throw std::length_error("more entries than a frame can hold");
  }
  if (entry.entryNumber == 0) {
    if (lastEntryNumber_ >= kMaxEntryNumber) throw std::length_error("no entry numbers left");
    entry.entryNumber = static_cast<std::uint32_t>(++lastEntryNumber_);
  } else {
    NoteEntryNumber(entry.entryNumber);
  }
  cell.entries.push_back(entry);
}

void Document::AddTuplet(int staffId, int measure, int layer, const EXTUPLET& tuplet) {
  CheckCell(staffId, measure, layer);
  Cell& cell = cells_[KeyOf(staffId, measure, layer)];
  if (cell.tuplets.size() >= static_cast<std::size_t>(kMaxInt16)) {
    throw std::length_error("more tuplets than a frame can hold");
  }
  cell.tuplets.push_back(tuplet);
}

bool Document::StoreFrame(int staffId, int measure, int layer, const EXENTRY* entries, int entryCount,
                          const EXTUPLET* tuplets, int tupletCount) {
  if (!HasCell(staffId, measure, layer) || entryCount < 0 || tupletCount < 0) return false;
  // Check that every unnumbered entry can be numbered before changing anything.
  std::uint64_t last = lastEntryNumber_;
  std::uint64_t unnumbered = 0;
  for (int i = 0; i < entryCount; ++i) {
    if (entries[i].entryNumber == 0) {
      ++unnumbered;
    } else {
      last = std::max<std::uint64_t>(last, entries[i].entryNumber);
    }
  }
  if (last + unnumbered > kMaxEntryNumber) return false;

  Cell& cell = cells_[KeyOf(staffId, measure, layer)];
  cell.entries.assign(entries, entries + entryCount);
  cell.tuplets.assign(tuplets, tuplets + tupletCount);
  lastEntryNumber_ = last;
  for (EXENTRY& entry : cell.entries) {
    if (entry.entryNumber == 0) entry.entryNumber = static_cast<std::uint32_t>(++lastEntryNumber_);
  }
  ++cell.saveCount;
  ++totalSaves_;
  return true;
}

int Document::SaveCount(int staffId, int measure, int layer) const {
  CheckCell(staffId, measure, layer);
  const Cell* cell = FindCell(staffId, measure, layer);
  return cell ? cell->saveCount : 0;
}

}  // namespace host
