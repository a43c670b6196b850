// Every framework class.
#pragma once

#include "framework/browsers/FCBrowserBase.h"
#include "framework/browsers/FCBrowserNoteEntries.h"
#include "framework/collections/FCCollection.h"
#include "framework/core/FCBase.h"
#include "framework/core/FCBaseData.h"
#include "framework/core/QuavixHost.h"
#include "framework/notes/FCNoteEntry.h"
#include "framework/notes/FCNoteEntryCell.h"
#include "framework/regions/FCCells.h"
#include "framework/regions/FCMusicRegion.h"
