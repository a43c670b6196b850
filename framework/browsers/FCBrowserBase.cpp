#include "framework/browsers/FCBrowserBase.h"

#include "framework/core/SmallObjectPool.h"
#include "framework/regions/FCMusicRegion.h"

int __FCBrowserRegionBase::ForEachInRegion(FCIteratorHandler* handler, FCMusicRegion* region) {
  // Each cell makes and destroys its objects; the pools keep a chunk from
  // one cell to the next and return it when the walk ends.
  framework::detail::PoolRetention retention;
  int handled = 0;
  for (int measure = region->GetStartMeasure(); measure <= region->GetEndMeasure(); ++measure) {
    // The last staff is asked for again before every cell.
    for (int staff = region->CalcStartStaff(); staff <= region->CalcEndStaff(); ++staff) {
      FCCell cell(measure, staff);
      if (!RegionIterateCellHandler(&cell, handler, region)) return handled;
      ++handled;
    }
  }
  return handled;
}

int __FCBrowserRegionBase::ForEach(FCIteratorHandler* handler) {
  FCMusicRegion region;
  region.SetFullDocument();  // when it fails, the walk covers the empty region
  return ForEachInRegion(handler, &region);
}
