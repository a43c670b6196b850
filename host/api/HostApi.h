// The FX_ functions this host implements, under C++ names (host::api::LoadTGF),
// each taking the argument words a module passes (interface/ArgumentKinds.h:
// the Word of each kind, then the interface version). The export table checks
// every signature here against its row of the host function table.
//
// Every other function of the table answers neutrally: exactly what a
// module's wrapper answers when the host lacks the function (its fallback
// column, the zero value for a required function), so a plug-in sees one
// behaviour either way. The FX_ names themselves are exported only by
// executables that act as a host (ExportedSymbols.cpp).
#pragma once

#include <cstdint>

#include "interface/HostRecords.h"
#include "interface/HostTypes.h"

// One entry per implemented function, by its name without the FX_ prefix.
// clang-format off
#define QX_IMPLEMENTED_HOST_FUNCTIONS(X) \
  X(GetMaxLayers) X(LoadTGF) X(InsertEXENTRY) X(DeleteEXENTRY) X(SaveTGF) X(FreeTGF) \
  X(GetShowLayer) X(GetTGFDuration) \
  X(GetCurERegions) X(SetCurERegion) X(SlotToInst) X(InstToSlot) X(GetCurrentMorvelDocument) \
  X(LoadEData) X(SaveEData) X(CreateEData) X(DeleteEData) X(NextEData) X(PreviousEData)
// clang-format on

namespace host::api {

// Frames (FrameApi.cpp).
std::int32_t QXAPI GetMaxLayers(std::uint32_t version);
std::int32_t QXAPI GetShowLayer(std::int32_t layer, std::uint32_t version);
// Both load flags read the cell as the document stores it.
EXTGF2005a* QXAPI LoadTGF(std::uint32_t loadParameter, std::int32_t slot, std::int32_t measure,
                          std::int32_t layer, std::int32_t loadFlag, std::uint32_t version);
std::int32_t QXAPI SaveTGF(EXTGF2005a* frame, std::uint32_t version);
std::int32_t QXAPI FreeTGF(EXTGF2005a* frame, std::uint32_t version);
std::int32_t QXAPI InsertEXENTRY(EXTGF2005a* frame, std::int32_t index, std::int32_t count,
                                 std::uint32_t version);
std::int32_t QXAPI DeleteEXENTRY(EXTGF2005a* frame, std::int32_t index, std::int32_t count,
                                 std::uint32_t version);
std::int32_t QXAPI GetTGFDuration(EXTGF2005a* frame, std::uint32_t version);

// Staves, regions and the document (RegionApi.cpp).
std::int32_t QXAPI SlotToInst(std::int32_t slot, std::uint32_t qualifier, std::uint32_t version);
std::int32_t QXAPI InstToSlot(std::int32_t staffId, std::uint32_t qualifier, std::uint32_t version);
std::int32_t QXAPI GetCurERegions(std::int32_t* scratch, EREGION* selection, EREGION* whole,
                                  std::uint32_t version);
void QXAPI SetCurERegion(EREGION* region, std::uint32_t version);
std::int32_t QXAPI GetCurrentMorvelDocument(std::uint32_t version);

// Data records (RecordApi.cpp): see host/document/RecordStore.h.
std::int32_t QXAPI LoadEData(std::uint32_t tag, void* key, void* buffer, std::int32_t* size,
                             std::uint32_t version);
std::int32_t QXAPI SaveEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                             std::uint32_t version);
std::int32_t QXAPI CreateEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                               std::uint32_t version);
std::int32_t QXAPI DeleteEData(std::uint32_t tag, void* key, std::uint32_t version);
std::int32_t QXAPI NextEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                             std::uint32_t version);
std::int32_t QXAPI PreviousEData(std::uint32_t tag, void* key, void* buffer, std::int32_t size,
                                 std::uint32_t version);

}  // namespace host::api
