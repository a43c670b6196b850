#pragma once

#include "framework/browsers/FCBrowserBase.h"

// Hands every note entry of a region to a handler, cell by cell, and writes
// each cell back when the handler's save flag is set.
class FCBrowserNoteEntries : public __FCBrowserRegionBase {
 public:
  // Searching is not supported: none, without calling the handler.
  __FCBase* FindFirst(FCIteratorHandler*) override { return nullptr; }
  bool RegionIterateCellHandler(FCCell* cell, FCIteratorHandler* handler, FCMusicRegion* region) override;
};
