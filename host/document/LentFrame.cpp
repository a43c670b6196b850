#include "host/document/LentFrame.h"

#include <algorithm>
#include <cstring>

#include "host/document/Document.h"

namespace host {

LentFrame::LentFrame(std::uint16_t loadParameter, const CellAddress& cell,
                     const std::vector<EXENTRY>& entries, const std::vector<EXTUPLET>& tuplets)
    : cell_(cell), header_(std::make_unique<EXTGF2005a>()) {
  header_->loadParameter = loadParameter;
  header_->staffSlot = static_cast<std::int16_t>(cell.slot);
  header_->measure = static_cast<std::int16_t>(cell.measure);
  header_->layer = static_cast<std::int16_t>(cell.layer);
  // Arrays are allocated even when empty, so a frame never shows an empty
  // address, and any read through one is caught.
  auto copy = std::make_unique<EXENTRY[]>(entries.size());
  std::copy(entries.begin(), entries.end(), copy.get());
  entries_ = std::move(copy);
  entryCount_ = static_cast<int>(entries.size());
  SetTuplets(tuplets);
  Publish();
}

bool LentFrame::HeaderIntact() const {
  return std::memcmp(header_.get(), &published_, sizeof published_) == 0;
}

void LentFrame::Publish() {
  header_->entries = entries_.get();
  header_->entryCount = static_cast<std::int16_t>(entryCount_);
  header_->tuplets = tuplets_.get();
  header_->tupletCount = static_cast<std::int16_t>(tupletCount_);
  std::memcpy(&published_, header_.get(), sizeof published_);
}

void LentFrame::SetEntries(std::unique_ptr<EXENTRY[]> entries, int count) {
  entries_ = std::move(entries);  // the old array is freed here
  entryCount_ = count;
}

void LentFrame::SetTuplets(const std::vector<EXTUPLET>& tuplets) {
  auto copy = std::make_unique<EXTUPLET[]>(tuplets.size());
  std::copy(tuplets.begin(), tuplets.end(), copy.get());
  tuplets_ = std::move(copy);
  tupletCount_ = static_cast<int>(tuplets.size());
}

bool LentFrame::Insert(int index, int count) {
  if (index < 0 || index > entryCount_ || count < 0 || entryCount_ + count > kMaxInt16) return false;
  auto grown = std::make_unique<EXENTRY[]>(static_cast<std::size_t>(entryCount_ + count));  // zeroed
  std::copy(entries_.get(), entries_.get() + index, grown.get());
  std::copy(entries_.get() + index, entries_.get() + entryCount_, grown.get() + index + count);
  SetEntries(std::move(grown), entryCount_ + count);

  std::vector<EXTUPLET> moved(tuplets_.get(), tuplets_.get() + tupletCount_);
  for (EXTUPLET& tuplet : moved) {
    if (tuplet.entryIndex >= index) tuplet.entryIndex = static_cast<std::int16_t>(tuplet.entryIndex + count);
  }
  SetTuplets(moved);
  Publish();
  return true;
}

bool LentFrame::Delete(int index, int count) {
  if (index < 0 || count < 0 || index > entryCount_ || count > entryCount_ - index) return false;
  auto shrunk = std::make_unique<EXENTRY[]>(static_cast<std::size_t>(entryCount_ - count));
  std::copy(entries_.get(), entries_.get() + index, shrunk.get());
  std::copy(entries_.get() + index + count, entries_.get() + entryCount_, shrunk.get() + index);
  SetEntries(std::move(shrunk), entryCount_ - count);

  std::vector<EXTUPLET> kept;
  for (int i = 0; i < tupletCount_; ++i) {
    EXTUPLET tuplet = tuplets_[static_cast<std::size_t>(i)];
    if (tuplet.entryIndex >= index && tuplet.entryIndex < index + count) continue;
    if (tuplet.entryIndex >= index + count)
      tuplet.entryIndex = static_cast<std::int16_t>(tuplet.entryIndex - count);
    kept.push_back(tuplet);
  }
  SetTuplets(kept);
  Publish();
  return true;
}

}  // namespace host
