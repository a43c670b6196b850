// Frame services: the host lends a fresh copy of a cell's records, takes
// saves back into the document and tracks every lent frame, so that a frame
// used after it was freed, freed twice or never freed is reported.
#include <string>

#include "host/api/ArgumentWords.h"
#include "host/api/HostApi.h"
#include "host/document/Session.h"

namespace host::api {
namespace {

constexpr const char* kNotLent = ": the frame is not lent (unknown or already freed)";
constexpr const char* kHeaderChanged = ": the module changed the frame header";

// The lent frame, or null after recording why the call cannot use it.
LentFrame* UsableFrame(const EXTGF2005a* frame, const char* function) {
  Session& session = Session::Current();
  LentFrame* lent = session.FindLent(frame);
  if (lent == nullptr) {
    session.AddViolation(std::string(function) + kNotLent);
  } else if (!lent->HeaderIntact()) {
    session.AddViolation(std::string(function) + kHeaderChanged);
    return nullptr;
  }
  return lent;
}

}  // namespace

std::int32_t QXAPI GetMaxLayers(std::uint32_t) { return Session::Current().document().MaxLayers(); }

std::int32_t QXAPI GetShowLayer(std::int32_t layer, std::uint32_t) {
  return Session::Current().document().IsLayerShown(Signed16(layer)) ? 1 : 0;
}

// Both load flags read the cell as the document stores it: the host keeps no
// unsaved state outside the lent frames.
EXTGF2005a* QXAPI LoadTGF(std::uint32_t loadParameter, std::int32_t slot, std::int32_t measure,
                          std::int32_t layer, std::int32_t /*loadFlag*/, std::uint32_t) {
  return Session::Current().Lend(static_cast<std::uint16_t>(Unsigned16(loadParameter)), Signed16(slot),
                                 Signed16(measure), Signed16(layer));
}

std::int32_t QXAPI SaveTGF(EXTGF2005a* frame, std::uint32_t) {
  LentFrame* lent = UsableFrame(frame, "FX_SaveTGF");
  if (lent == nullptr) return 0;
  const CellAddress& cell = lent->cell();
  // Fails only when the document has run out of entry numbers; the frame
  // stays lent either way.
  return Session::Current().document().StoreFrame(cell.staffId, cell.measure, cell.layer, lent->entries(),
                                                  lent->entryCount(), lent->tuplets(), lent->tupletCount())
             ? 1
             : 0;
}

std::int32_t QXAPI FreeTGF(EXTGF2005a* frame, std::uint32_t) {
  Session& session = Session::Current();
  LentFrame* lent = session.FindLent(frame);
  if (lent == nullptr) {
    session.AddViolation(std::string("FX_FreeTGF") + kNotLent);
    return 0;
  }
  // Still taken back: the block is the host's whatever the module did to it.
  if (!lent->HeaderIntact()) session.AddViolation(std::string("FX_FreeTGF") + kHeaderChanged);
  session.Release(frame);
  return 1;
}

std::int32_t QXAPI InsertEXENTRY(EXTGF2005a* frame, std::int32_t index, std::int32_t count, std::uint32_t) {
  LentFrame* lent = UsableFrame(frame, "FX_InsertEXENTRY");
  return lent != nullptr && lent->Insert(Signed16(index), Signed16(count)) ? 1 : 0;
}

std::int32_t QXAPI DeleteEXENTRY(EXTGF2005a* frame, std::int32_t index, std::int32_t count, std::uint32_t) {
  LentFrame* lent = UsableFrame(frame, "FX_DeleteEXENTRY");
  return lent != nullptr && lent->Delete(Signed16(index), Signed16(count)) ? 1 : 0;
}

// The frame's entries as they stand in the lent block, saved or not.
std::int32_t QXAPI GetTGFDuration(EXTGF2005a* frame, std::uint32_t) {
  LentFrame* lent = UsableFrame(frame, "FX_GetTGFDuration");
  return lent == nullptr ? 0 : FrameDuration(lent->entries(), lent->entryCount());
}

}  // namespace host::api
