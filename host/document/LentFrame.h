// One frame lent to a module: a header block and host-allocated entry and
// tuplet arrays, copied from the document. The host keeps the bookkeeping
// here and never trusts the header the module can write to.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "interface/HostRecords.h"

namespace host {

struct CellAddress {
  int slot = 0;  // as loaded; the header carries it as its staff slot
  int staffId = 0;
  int measure = 0;
  int layer = 0;
};

class LentFrame {
 public:
  LentFrame(std::uint16_t loadParameter, const CellAddress& cell, const std::vector<EXENTRY>& entries,
            const std::vector<EXTUPLET>& tuplets);
  LentFrame(const LentFrame&) = delete;
  LentFrame& operator=(const LentFrame&) = delete;
  LentFrame(LentFrame&&) = default;
  LentFrame& operator=(LentFrame&&) = default;

  EXTGF2005a* header() const { return header_.get(); }
  const CellAddress& cell() const { return cell_; }
  const EXENTRY* entries() const { return entries_.get(); }
  int entryCount() const { return entryCount_; }
  const EXTUPLET* tuplets() const { return tuplets_.get(); }
  int tupletCount() const { return tupletCount_; }

  // False when the module has written to the header since the host last did.
  bool HeaderIntact() const;

  // count zeroed entries at index (0..entryCount), or count entries removed
  // from index. Either gives the frame a new entries array, so pointers into
  // the old one are dangling, and moves tuplet records with their entries
  // (those of removed entries go). False, changing nothing, for an index or
  // count out of range or a result past 32767 entries.
  bool Insert(int index, int count);
  bool Delete(int index, int count);

 private:
  void SetEntries(std::unique_ptr<EXENTRY[]> entries, int count);
  void SetTuplets(const std::vector<EXTUPLET>& tuplets);
  void Publish();  // writes the header and remembers what was written

  CellAddress cell_;
  std::unique_ptr<EXTGF2005a> header_;
  EXTGF2005a published_{};
  std::unique_ptr<EXENTRY[]> entries_;
  int entryCount_ = 0;
  std::unique_ptr<EXTUPLET[]> tuplets_;
  int tupletCount_ = 0;
};

}  // namespace host
