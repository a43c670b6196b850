#pragma once

#include "framework/collections/FCCollection.h"
#include "framework/regions/FCMusicRegion.h"

// An owning list of the cells of a region, in measure and slot order.
class FCCells : public __FCCollection {
 public:
  const char* ClassName() const override { return "FCCells"; }
  FCCell* GetItemAt(int index) const { return static_cast<FCCell*>(__FCCollection::GetItemAt(index)); }

  // One cell for every measure and slot of the region, each with the staff ID
  // at its slot.
  void ApplyRegion(FCMusicRegion* region);
  int ForEachAtMeasure(int measure, FCIteratorHandler* handler);
  int ForEachAtStaff(int staffId, FCIteratorHandler* handler);

 private:
  template <typename Selects>
  int ForEachWhere(Selects selects, FCIteratorHandler* handler);
};
