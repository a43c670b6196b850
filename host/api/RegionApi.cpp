// The open document's staff order, its selection and whole-document regions,
// and its number.
#include <cstring>

#include "host/api/ArgumentWords.h"
#include "host/api/HostApi.h"
#include "host/document/Session.h"

namespace host::api {

// The qualifier selects nothing in this host: every slot maps one way.
std::int32_t QXAPI SlotToInst(std::int32_t slot, std::uint32_t /*qualifier*/, std::uint32_t) {
  return Session::Current().document().StaffAtSlot(Signed16(slot));
}

std::int32_t QXAPI InstToSlot(std::int32_t staffId, std::uint32_t /*qualifier*/, std::uint32_t) {
  return Session::Current().document().SlotOfStaff(Signed16(staffId));
}

// The scratch word is the caller's and is left alone.
std::int32_t QXAPI GetCurERegions(std::int32_t* /*scratch*/, EREGION* selection, EREGION* whole,
                                  std::uint32_t) {
  const Session& session = Session::Current();
  if (!session.HasDocument()) return 0;
  const EREGION wholeDocument = session.document().WholeDocument();
  if (selection != nullptr) std::memcpy(selection, &session.document().Selection(), sizeof(EREGION));
  if (whole != nullptr) std::memcpy(whole, &wholeDocument, sizeof(EREGION));
  return 1;
}

void QXAPI SetCurERegion(EREGION* region, std::uint32_t) {
  Session& session = Session::Current();
  if (region == nullptr || !session.HasDocument()) return;
  EREGION copy;
  std::memcpy(&copy, region, sizeof copy);
  session.document().SetSelection(copy);
}

std::int32_t QXAPI GetCurrentMorvelDocument(std::uint32_t) {
  const Session& session = Session::Current();
  return session.HasDocument() ? session.document().Number() : 0;
}

}  // namespace host::api
