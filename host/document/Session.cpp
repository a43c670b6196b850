#include "host/document/Session.h"

#include <algorithm>
#include <utility>

namespace host {

Session& Session::Current() {
  static Session session;
  return session;
}

void Session::Open(Document document) {
  ReleaseAll("when another document was opened");
  document_ = std::move(document);
  open_ = true;
}

EXTGF2005a* Session::Lend(std::uint16_t loadParameter, int slot, int measure, int layer) {
  const int staffId = document_.StaffAtSlot(slot);
  if (!open_ || !document_.HasCell(staffId, measure, layer)) return nullptr;
  LentFrame frame(loadParameter, CellAddress{slot, staffId, measure, layer},
                  document_.Entries(staffId, measure, layer), document_.Tuplets(staffId, measure, layer));
  EXTGF2005a* header = frame.header();
  lent_.emplace(header, Loan{std::move(frame), nextSequence_++});
  return header;
}

LentFrame* Session::FindLent(const EXTGF2005a* frame) {
  auto it = lent_.find(frame);
  return it == lent_.end() ? nullptr : &it->second.frame;
}

bool Session::Release(const EXTGF2005a* frame) { return lent_.erase(frame) != 0; }

void Session::AddViolation(std::string message) { violations_.push_back(std::move(message)); }

void Session::ReleaseAll(const char* when) {
  std::vector<const Loan*> loans;
  for (const auto& [header, loan] : lent_) loans.push_back(&loan);
  std::sort(loans.begin(), loans.end(),
            [](const Loan* a, const Loan* b) { return a->sequence < b->sequence; });
  for (const Loan* loan : loans) {
    const CellAddress& cell = loan->frame.cell();
    AddViolation("frame of staff " + std::to_string(cell.staffId) + " (slot " + std::to_string(cell.slot) +
                 "), measure " + std::to_string(cell.measure) + ", layer " + std::to_string(cell.layer) +
                 " was still lent " + when);
  }
  lent_.clear();
}

bool Session::EndRun() {
  ReleaseAll("at the end of the run");
  return violations_.empty();
}

void Session::Reset() {
  lent_.clear();
  violations_.clear();
  recordCalls_.clear();
  document_ = Document();
  open_ = false;
  nextSequence_ = 0;
}

}  // namespace host
