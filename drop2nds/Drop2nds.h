// The Drop 2nds command: in every four-note entry of a region, the
// second-highest note moves down one octave.
#pragma once

#include "framework/collections/FCCollection.h"

class FCMusicRegion;

// Changes one entry; built with the save flag set, so every visited cell is
// written back.
class FCDrop2ndHandler : public FCIteratorHandler {
 public:
  FCDrop2ndHandler() { SetSaveFlag(true); }
  // The element is always an FCNoteEntry. Always true, so the walk goes on.
  bool Iterate(__FCBase* element) override;
};

// Runs the command over the region; the region stays the caller's.
void Drop2nds(FCMusicRegion* region);
