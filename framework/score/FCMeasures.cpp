#include "framework/score/FCMeasures.h"

#include <memory>

void FCMeasures::LoadRegion(FCMusicRegion* region, QxULong version) {
  _ClearForLoad();
  const std::unique_ptr<FCMeasure> prototype(CreateElement(version));
  for (int measure = region->GetStartMeasure(); measure <= region->GetEndMeasure(); ++measure) {
    if (prototype->Load(static_cast<unsigned short>(measure))) Add(prototype->CreateClone());
  }
}
