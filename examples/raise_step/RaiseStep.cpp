// Raise a Step: every note of the selection moves up one diatonic step.
// A small plug-in built on the framework: an iterator handler that changes
// one note entry, a note-entry browser that hands it every entry of the
// region and saves the cells, and the menu command.
#include "framework/Framework.h"

namespace {

class RaiseStepHandler : public FCIteratorHandler {
 public:
  RaiseStepHandler() { SetSaveFlag(true); }  // every visited cell is written back

  // The browser hands over note entries only.
  bool Iterate(__FCBase* element) override {
    auto* entry = static_cast<FCNoteEntry*>(element);
    for (int i = 0; i < entry->GetCount(); ++i) {
      FCNote* note = entry->GetItemAt(i);
      note->SetDisplacement(static_cast<short>(note->GetDisplacement() + 1));
    }
    return true;  // go on with the next entry
  }
};

void RaiseStep(FCMusicRegion* region) {
  FCBrowserNoteEntries browser;
  RaiseStepHandler handler;
  browser.ForEachInRegion(&handler, region);
}

}  // namespace

const FCPluginCommand kPluginCommand = {
    "QZ Raise a Step",
    "Raise a Step",
    "Moves every note of the selection up one diatonic step.",
    &RaiseStep,
};
