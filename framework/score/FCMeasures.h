// A collection of measures, filled with the measures of a region.
#pragma once

#include "framework/collections/FCCollectionData.h"
#include "framework/regions/FCMusicRegion.h"
#include "framework/score/FCMeasure.h"

class FCMeasures : public __FCCollectionData {
 public:
  const char* ClassName() const override { return "FCMeasures"; }
  FCMeasure* CreateElement(QxULong version) override { return new FCMeasure(version); }
  // The measures from the region's start measure to its end measure, in
  // order; a measure the host does not return is skipped.
  void LoadRegion(FCMusicRegion* region, QxULong version);
};
