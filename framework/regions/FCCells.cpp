#include "framework/regions/FCCells.h"

#include "interface/HostTypes.h"
#include "pdk/binding/HostFunctions.h"

void FCCells::ApplyRegion(FCMusicRegion* region) {
  _FreeElements();
  _SetCount(0);
  for (int measure = region->GetStartMeasure(); measure <= region->GetEndMeasure(); ++measure) {
    for (int slot = region->GetStartSlot(); slot <= region->GetEndSlot(); ++slot) {
      // The start slot's qualifier serves every slot.
      const short staffId =
          FX_SlotToInst(static_cast<short>(slot), region->GetStartSlotQualifier(), quavix::kInterfaceVersion);
      Add(new FCCell(measure, staffId));
    }
  }
}

template <typename Selects>
int FCCells::ForEachWhere(Selects selects, FCIteratorHandler* handler) {
  int handled = 0;
  for (int i = 0; i < GetCount(); ++i) {
    FCCell* cell = GetItemAt(i);
    if (cell == nullptr || !selects(*cell)) continue;
    if (!handler->Iterate(cell)) break;
    ++handled;
  }
  return handled;
}

int FCCells::ForEachAtMeasure(int measure, FCIteratorHandler* handler) {
  return ForEachWhere([measure](const FCCell& cell) { return cell.GetMeasure() == measure; }, handler);
}

int FCCells::ForEachAtStaff(int staffId, FCIteratorHandler* handler) {
  return ForEachWhere([staffId](const FCCell& cell) { return cell.GetStaff() == staffId; }, handler);
}
