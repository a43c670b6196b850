#include "framework/browsers/FCBrowserNoteEntries.h"

#include "framework/notes/FCNoteEntryCell.h"
#include "framework/regions/FCMusicRegion.h"

bool FCBrowserNoteEntries::RegionIterateCellHandler(FCCell* cell, FCIteratorHandler* handler,
                                                    FCMusicRegion* region) {
  FCNoteEntryCell entries(cell->GetMeasure(), cell->GetStaff());
  entries.Load();  // a cell that fails to load holds no entries
  bool result = true;
  for (int i = 0; i < entries.GetCount(); ++i) {
    if (FCNoteEntry* entry = entries.GetRegionItemAt(i, region)) {
      result = handler->Iterate(entry);
      entry->_PackEXENTRYNotes();  // writes back note deletions, whatever Iterate said
    }
    if (!result) break;
  }
  // Once per cell, changed or not, also after an early stop.
  if (handler->GetSaveFlag()) entries.Save();
  return result;  // the cell's frames are released as it goes out of scope
}
