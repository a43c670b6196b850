// The framework's chief header: every framework class, and the host module
// and version globals of the binding layer that plug-in code uses.
//
// The names here (__FCBase, FCNoteEntry, _GetDataPtr, RunningQuavixVersion
// and the rest) are the framework's documented interface, which plug-in code
// is written against: the FC classes, the __FC abstract bases, the
// underscore operations meant for a class and its subclasses. They keep
// those spellings; the code beneath them (the binding layer's pdk:: names,
// the host's) follows the project's own style.
#pragma once

#include "framework/browsers/FCBrowserBase.h"
#include "framework/browsers/FCBrowserBaseData.h"
#include "framework/browsers/FCBrowserMeasures.h"
#include "framework/browsers/FCBrowserNoteEntries.h"
#include "framework/collections/FCCollection.h"
#include "framework/collections/FCCollectionData.h"
#include "framework/core/FCBase.h"
#include "framework/core/FCBaseData.h"
#include "framework/notes/FCNoteEntry.h"
#include "framework/notes/FCKeySignature.h"
#include "framework/notes/FCNoteEntryCell.h"
#include "framework/plugin/PluginCommand.h"
#include "framework/regions/FCCells.h"
#include "framework/records/DetailRecords.h"
#include "framework/records/RecordFamilies.h"
#include "framework/regions/FCMusicRegion.h"
#include "framework/score/FCMeasure.h"
#include "framework/score/FCMeasureNumberRegion.h"
#include "framework/score/FCMeasures.h"
#include "framework/score/FCPage.h"
#include "framework/score/FCStaff.h"
#include "framework/score/FCTextBlock.h"
#include "framework/score/FCClefDef.h"
#include "framework/text/FCString.h"
#include "framework/text/FCRawText.h"
#include "pdk/binding/HostModule.h"
