#include "drop2nds/Drop2nds.h"

#include <cstddef>

#include "framework/browsers/FCBrowserNoteEntries.h"
#include "framework/notes/FCNoteEntry.h"
#include "interface/HostRecords.h"

namespace {
constexpr int kChordSize = 4;
constexpr short kOctave = 7;  // diatonic steps
}  // namespace

bool FCDrop2ndHandler::Iterate(__FCBase* element) {
  auto* entry = static_cast<FCNoteEntry*>(element);
  if (entry->GetCount() != kChordSize) return true;
  FCNote* highest = entry->FindHighestNote(nullptr);
  FCNote* second = entry->FindHighestNote(highest);
  // All four notes at one pitch: there is no second-highest note, and the
  // entry is left as it is.
  if (second == nullptr) return true;
  second->SetDisplacement(static_cast<short>(second->GetDisplacement() - kOctave));
  Set16BitFlag(quavix::FieldAt<unsigned short>(entry->_GetEntryRecord(), offsetof(EXENTRY, flags2)),
               quavix::entryflag2::kDropped2nd, true);
  return true;
}

void Drop2nds(FCMusicRegion* region) {
  FCBrowserNoteEntries browser;
  FCDrop2ndHandler handler;
  browser.ForEachInRegion(&handler, region);
}
