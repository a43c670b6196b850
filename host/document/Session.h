// The process-wide state behind the host's FX_ functions: the open document,
// every frame currently lent to a module, and the contract violations seen
// so far. A module runs on the host's calling thread only, so there is no
// locking.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/document/Document.h"
#include "host/document/LentFrame.h"

namespace host {

class Session {
 public:
  static Session& Current();

  // Makes the document the open one. Frames are to be back before that; any
  // still lent is a violation and is released.
  void Open(Document document);
  bool HasDocument() const { return open_; }
  // The open document; an empty one when none is open.
  Document& document() { return document_; }
  const Document& document() const { return document_; }

  // Lends a fresh copy of the cell at (slot, measure, layer); null, lending
  // nothing, when the open document has no such cell.
  EXTGF2005a* Lend(std::uint16_t loadParameter, int slot, int measure, int layer);
  // The bookkeeping of a lent frame; null for any other address, which is
  // never dereferenced.
  LentFrame* FindLent(const EXTGF2005a* frame);
  // Takes a lent frame back and frees it; false when it is not lent.
  bool Release(const EXTGF2005a* frame);
  int LentFrameCount() const { return static_cast<int>(lent_.size()); }

  // A data-record call as the host received it: which function, the tag,
  // the key before the call, the size (on entry, for a load) and the
  // version. Kept so that what a module's wrappers passed can be checked.
  struct RecordCall {
    std::string function;
    std::uint32_t tag;
    RecordKey key;
    std::int32_t size;
    std::uint32_t version;
  };
  void LogRecordCall(RecordCall call) { recordCalls_.push_back(std::move(call)); }
  const std::vector<RecordCall>& RecordCalls() const { return recordCalls_; }

  void AddViolation(std::string message);
  const std::vector<std::string>& Violations() const { return violations_; }

  // Records a violation for each frame still lent (in lending order) and
  // releases them. True when the run saw no violation at all.
  bool EndRun();
  // No document, no lent frames, no violations.
  void Reset();

 private:
  void ReleaseAll(const char* when);

  Document document_;
  bool open_ = false;
  struct Loan {
    LentFrame frame;
    std::uint64_t sequence;
  };
  std::unordered_map<const EXTGF2005a*, Loan> lent_;
  std::uint64_t nextSequence_ = 0;
  std::vector<std::string> violations_;
  std::vector<RecordCall> recordCalls_;
};

}  // namespace host
