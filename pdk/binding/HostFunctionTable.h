// The one table of host functions. Each row: the name without its FX_ prefix,
// the result kind, what the wrapper does when the host lacks the function,
// and the argument kinds before the trailing interface version (see
// ArgumentKinds.h). FORWARD rows get a generated wrapper that only binds and
// forwards; EXTENDED rows are written by hand around the same call primitive.
#pragma once

#include "pdk/records/HostRecords.h"

// clang-format off
#define QX_HOST_FUNCTIONS(FORWARD, EXTENDED) \
  FORWARD(GetMaxLayers, RS, Returns<4>) \
  EXTENDED(LoadTGF, RHost<EXTGF2005a*>, Required, U, S, S, S, S) \
  EXTENDED(InsertEXENTRY, RS, Required, Ptr<EXTGF2005a>, S, S) \
  EXTENDED(DeleteEXENTRY, RS, Required, Ptr<EXTGF2005a>, S, S) \
  EXTENDED(SaveTGF, RS, Required, Ptr<EXTGF2005a>) \
  EXTENDED(FreeTGF, RHost<std::int32_t>, Required, Ptr<EXTGF2005a>) \
  FORWARD(RebeamRegion, RS, Required, Ptr<EREGION>, L) \
  FORWARD(RebarRegion, RS, Required, Ptr<EREGION>, U, S, S, S) \
  FORWARD(AlertMessage, RS, Required, L, U, L, Ptr<const char>) \
  EXTENDED(LoadEData, RS, Required, UL, Ptr<void>, Ptr<void>, Ptr<std::int32_t>) \
  EXTENDED(SaveEData, RS, Required, UL, Ptr<void>, Ptr<void>, L) \
  EXTENDED(CreateEData, RS, Required, UL, Ptr<void>, Ptr<void>, L) \
  FORWARD(DeleteEData, RS, Required, UL, Ptr<void>) \
  EXTENDED(PreviousEData, RS, Required, UL, Ptr<void>, Ptr<void>, L) \
  EXTENDED(NextEData, RS, Required, UL, Ptr<void>, Ptr<void>, L) \
  FORWARD(Dialog, RHost<std::int32_t>, Required, S, Ptr<void>, Ptr<void>, S, Ptr<void>) \
  FORWARD(EndDialog, RHost<std::int32_t>, Required, Ptr<void>) \
  FORWARD(EnableDlgItem, RHost<std::int32_t>, Required, Ptr<void>, L, S) \
  EXTENDED(ShowHideDlgItem, RHost<std::int32_t>, WindowFallback, Ptr<void>, L, S) \
  FORWARD(SetDlgFocus, RHost<std::int32_t>, Required, Ptr<void>, L) \
  FORWARD(GetDlgCntlVal, RHost<std::int32_t>, Required, Ptr<void>, L, Ptr<void>, S) \
  FORWARD(SetDlgCntlVal, RHost<std::int32_t>, Required, Ptr<void>, L, Ptr<void>, L) \
  FORWARD(SlotToInst, RS, Required, S, U) \
  FORWARD(InstToSlot, RS, Required, S, U) \
  FORWARD(ScrollTo, RHost<std::int32_t>, Required, S, S) \
  FORWARD(Playback, RHost<std::int32_t>, Required, S, S, S, U) \
  FORWARD(ListenToMidi, RS, Required, Ptr<void>, L) \
  FORWARD(FontNameToNum, RS, Required, Ptr<void>) \
  FORWARD(FontNumToName, RS, Required, S, Ptr<void>) \
  FORWARD(GetCurERegions, RS, Required, Ptr<std::int32_t>, Ptr<EREGION>, Ptr<EREGION>) \
  FORWARD(RedrawMusic, RHost<std::int32_t>, Required, Ptr<EREGION>) \
  FORWARD(CopyMidi, RS, Required, Ptr<EREGION>, Ptr<void>, L) \
  FORWARD(PasteMidi, RS, Required, Ptr<EREGION>, Ptr<void>, L) \
  FORWARD(NoteToMidi, RS, Required, Ptr<void>, S) \
  FORWARD(NoteMover, RHost<std::int32_t>, Required, Ptr<void>, Ptr<void>, S, S, S) \
  FORWARD(GetKeySig, RS, Required, S, S, S, Ptr<void>) \
  FORWARD(SelectNote, RHost<std::int32_t>, Required, Ptr<EXENTRY>, S) \
  FORWARD(SetTimer, RHost<std::int32_t>, Required, Ptr<void>, S, L) \
  FORWARD(KillTimer, RNone, DoesNothing, Ptr<void>, S) \
  FORWARD(GetDlgItemUser, RHost<std::int32_t>, Required, Ptr<void>, L, S, Ptr<void>) \
  FORWARD(SetDlgItemUser, RHost<std::int32_t>, Required, Ptr<void>, L, S, L, L) \
  FORWARD(MidiNoteToString, RHost<std::int32_t>, Required, S, Ptr<char>, S, S) \
  FORWARD(StringToMidiNote, RS, Required, Ptr<const char>) \
  FORWARD(GetSyllable, RHost<std::int32_t>, Required, Ptr<void>, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(SyllableInfo, RS, Required, Ptr<void>, S, S, Ptr<void>, S, Ptr<void>, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(ParseCaretCommand, RHost<std::int32_t>, Required, Ptr<void>, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(UpdateLayout, RHost<std::int32_t>, Required, S, S) \
  FORWARD(GetEntryMetrics, RS, Required, S, S, Ptr<void>, Ptr<void>, Ptr<void>, S) \
  FORWARD(GetTGFEntryMetrics, RS, Required, Ptr<EXTGF2005a>, Ptr<EEntryMetrics>, Ptr<EMeasureMetrics>, S) \
  FORWARD(FontDialog, RS, Required, Ptr<void>, Ptr<void>, Ptr<void>, S, S) \
  FORWARD(SymbolDialog, RS, Required, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(SelectionDialog, RS, Required, Ptr<void>, S, Ptr<void>, Ptr<void>) \
  FORWARD(GetMeasureDuration, RHost<std::int32_t>, Required, S, S) \
  FORWARD(GetTGFDuration, RHost<std::int32_t>, Required, Ptr<EXTGF2005a>) \
  EXTENDED(ReduceEntries, RHost<std::int32_t>, Required, Ptr<EXTGF2005a>) \
  EXTENDED(StartMassEdit, RHost<std::int32_t>, Required, L, L) \
  EXTENDED(EndMassEdit, RHost<std::int32_t>, Required, L, S) \
  FORWARD(MassEditProgress, RS, Required, Ptr<void>, S, S, S, S) \
  FORWARD(GetShowLayer, RS, Required, S) \
  FORWARD(GetDlgItemVal, RHost<std::int32_t>, Required, Ptr<void>, L, S) \
  FORWARD(SetDlgItemVal, RHost<std::int32_t>, Required, Ptr<void>, L, S, L) \
  FORWARD(GetDlgString, RHost<std::int32_t>, Required, Ptr<void>, L, Ptr<char>, S) \
  FORWARD(SetDlgString, RHost<std::int32_t>, Required, Ptr<void>, L, Ptr<const char>) \
  FORWARD(SetCurERegion, RNone, DoesNothing, Ptr<EREGION>) \
  FORWARD(SetCurrentMorvelDocument, RS, Returns<0>, S) \
  FORWARD(GetCurrentMorvelDocument, RS, Returns<0>) \
  FORWARD(GetNextMorvelDocument, RS, Returns<0>, S) \
  FORWARD(GetQuavixPath, RS, Returns<0>, Ptr<char>, L) \
  FORWARD(GetGraphicPath, RS, Returns<0>, Ptr<void>, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(CreateGraphic, RS, Returns<0>, Ptr<void>, S, Ptr<void>, Ptr<void>, L, L) \
  EXTENDED(StartQuavixEdit, RHost<std::int32_t>, Returns<0>, L) \
  EXTENDED(EndQuavixEdit, RS, Returns<0>) \
  EXTENDED(CancelQuavixEdit, RNone, DoesNothing) \
  FORWARD(GetDocumentPath, RS, Returns<0>, S, Ptr<char>) \
  FORWARD(SelectExpressionDialog, RS, Returns<0>, Ptr<void>, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(MassMover, RS, Returns<0>, Ptr<EREGION>, Ptr<void>) \
  FORWARD(RebuildMenuSystem, RNone, DoesNothing, U) \
  FORWARD(EnableBusyDetection, RS, Returns<0>, S) \
  FORWARD(ExecuteMenuItem, RS, Returns<0>, L) \
  EXTENDED(AnalyzeChord, RS, Returns<0>, Ptr<void>, Ptr<void>, Ptr<void>) \
  FORWARD(InsertMeasures, RS, Returns<0>, S, S, S) \
  FORWARD(DeleteMeasures, RS, Returns<0>, S, S, S) \
  FORWARD(NewMorvelDocument, RS, Returns<0>) \
  FORWARD(CloseMorvelDocument, RS, Returns<0>, S) \
  FORWARD(IsMorvelDocumentDirty, RS, Returns<0>, S) \
  FORWARD(SetMorvelDocumentDirty, RNone, DoesNothing, S, S) \
  FORWARD(GetPrintSettings, RNone, DoesNothing, Ptr<void>) \
  FORWARD(PrintCurrentDocument, RS, Returns<0>, Ptr<void>) \
  FORWARD(PrintDocument, RS, Returns<0>, S, Ptr<void>) \
  FORWARD(PrintDocuments, RNone, DoesNothing, Ptr<void>, S, Ptr<void>) \
  FORWARD(OpenDocument, RS, Returns<0>, Ptr<void>, S, S, S, S, S) \
  FORWARD(CloseCurrentDocumentWindow, RS, Returns<0>) \
  FORWARD(SaveDocument, RS, Returns<0>, Ptr<void>, S, S) \
  FORWARD(DeleteMidiExpressions, RNone, DoesNothing, S, S) \
  FORWARD(DeleteTempoRecords, RNone, DoesNothing, S) \
  FORWARD(GetWindowCount, RS, Returns<0>) \
  FORWARD(GetWindowInfoList, RS, Returns<0>, Ptr<void>, S) \
  FORWARD(GetCurrentWindowInfo, RS, Returns<0>, Ptr<void>) \
  FORWARD(GetCurrentWindow, RHost<void*>, Returns<nullptr>) \
  FORWARD(SetCurrentWindow, RS, Returns<0>, Ptr<void>) \
  FORWARD(ProcessMidiData, RHost<std::int32_t>, Returns<-1>, Ptr<void>) \
  FORWARD(QueryK2Slot, RS, Returns<0>, L, L, L, L, L, L) \
  FORWARD(QueryAriaSlot, RS, Returns<0>, L, L, L, L, L, L, L, L, L, L, L, L, L, L, L, L, L, L, L) \
  FORWARD(GetCurrentPartID, RS, Returns<-1>) \
  FORWARD(SetCurrentPartID, RNone, DoesNothing, S) \
  FORWARD(SetCurrentPartInView, RNone, DoesNothing, S) \
  FORWARD(GetNextPartID, RS, Returns<-1>, S) \
  FORWARD(GetPartName, RHost<const char*>, ReturnsBlank, S) \
  FORWARD(CountParts, RHost<std::int32_t>, Returns<-1>) \
  FORWARD(CopyCutMusic, RHost<std::int32_t>, Returns<0>, Ptr<EREGION>, S) \
  FORWARD(InsertMergeMusic, RB, Returns<false>, L, Ptr<EREGION>, B) \
  FORWARD(DisposeQuaClipFileToken, RB, Returns<false>, L) \
  FORWARD(SetDefaultMusicFont, RB, Returns<false>, S, S, U) \
  FORWARD(OpenHelpItem, RNone, DoesNothing, Ptr<const char>) \
  FORWARD(GetTextEncoding, RHost<std::int32_t>, Returns<-2>) \
  FORWARD(GetSMPParts, RNone, DoesNothing, Ptr<void>) \
  FORWARD(GetPlaybackSystem, RS, Returns<-1>) \
  FORWARD(AutoRehearsalInsert, RS, Returns<0>, S, S, S, Ptr<void>, S) \
  FORWARD(GetPercMapRefData, RS, Returns<0>, U, Ptr<void>, Ptr<void>, S) \
  FORWARD(CreatePercMapRefData, RU, Returns<0>, Ptr<void>, Ptr<void>) \
  FORWARD(GetEntryMetrics2009a, RS, Returns<0>, S, S, Ptr<void>, Ptr<void>, Ptr<void>, S) \
  FORWARD(GetTGFEntryMetrics2009a, RS, Returns<0>, Ptr<EXTGF2005a>, Ptr<void>, Ptr<void>, S) \
  FORWARD(GetMeasureMetrics, RS, Returns<0>, S, S, Ptr<void>, S) \
  FORWARD(FreeEntryMetrics, RNone, DoesNothing, Ptr<void>) \
  FORWARD(FreeMeasureMetrics, RNone, DoesNothing, Ptr<void>)
// clang-format on
