// Browsers walk host records without holding them all, handing each in turn
// to an iterator handler. Region browsers walk a music region cell by cell.
#pragma once

#include "framework/collections/FCCollection.h"

class FCCell;
class FCMusicRegion;

class __FCBrowserBase : public __FCIteratorBase {
 public:
  const char* ClassName() const override { return "__FCBrowserBase"; }
};

class __FCBrowserRegionBase : public __FCBrowserBase {
 public:
  // Walks the whole current document.
  int ForEach(FCIteratorHandler* handler) override;
  // Visits the region measure by measure and, in each measure, every staff ID
  // from the first staff's to the last staff's. Returns how many cells were
  // handled with a true result.
  int ForEachInRegion(FCIteratorHandler* handler, FCMusicRegion* region);
  // Handles the records of one cell; false stops the whole walk.
  virtual bool RegionIterateCellHandler(FCCell* cell, FCIteratorHandler* handler, FCMusicRegion* region) = 0;
};
