// Host functions whose document services are not modelled yet answer a
// defined neutral value: no data, no change, nothing shown. Real
// implementations replace these one service at a time.
#include "host/api/HostApi.h"

namespace host::api {

// clang-format off
std::int32_t QXAPI RebeamRegion(EREGION*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI RebarRegion(EREGION*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI AlertMessage(std::int32_t, std::uint32_t, std::int32_t, const char*, std::uint32_t) { return 0; }
std::int32_t QXAPI LoadEData(std::uint32_t, void*, void*, std::int32_t*, std::uint32_t) { return 0; }
std::int32_t QXAPI SaveEData(std::uint32_t, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI CreateEData(std::uint32_t, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI DeleteEData(std::uint32_t, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI PreviousEData(std::uint32_t, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI NextEData(std::uint32_t, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI Dialog(std::int32_t, void*, void*, std::int32_t, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI EndDialog(void*, std::uint32_t) { return 0; }
std::int32_t QXAPI EnableDlgItem(void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI ShowHideDlgItem(void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SetDlgFocus(void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetDlgCntlVal(void*, std::int32_t, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SetDlgCntlVal(void*, std::int32_t, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI ScrollTo(std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI Playback(std::int32_t, std::int32_t, std::int32_t, std::uint32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI ListenToMidi(void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI FontNameToNum(void*, std::uint32_t) { return 0; }
std::int32_t QXAPI FontNumToName(std::int32_t, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI RedrawMusic(EREGION*, std::uint32_t) { return 0; }
std::int32_t QXAPI CopyMidi(EREGION*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI PasteMidi(EREGION*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI NoteToMidi(void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI NoteMover(void*, void*, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetKeySig(std::int32_t, std::int32_t, std::int32_t, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI SelectNote(EXENTRY*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SetTimer(void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
void QXAPI KillTimer(void*, std::int32_t, std::uint32_t) {}
std::int32_t QXAPI GetDlgItemUser(void*, std::int32_t, std::int32_t, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI SetDlgItemUser(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI MidiNoteToString(std::int32_t, char*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI StringToMidiNote(const char*, std::uint32_t) { return 0; }
std::int32_t QXAPI GetSyllable(void*, void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI SyllableInfo(void*, std::int32_t, std::int32_t, void*, std::int32_t, void*, void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI ParseCaretCommand(void*, void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI UpdateLayout(std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetEntryMetrics(std::int32_t, std::int32_t, void*, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetTGFEntryMetrics(EXTGF2005a*, EEntryMetrics*, EMeasureMetrics*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI FontDialog(void*, void*, void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SymbolDialog(void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI SelectionDialog(void*, std::int32_t, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI GetMeasureDuration(std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI ReduceEntries(EXTGF2005a*, std::uint32_t) { return 0; }
std::int32_t QXAPI StartMassEdit(std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI EndMassEdit(std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI MassEditProgress(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetDlgItemVal(void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SetDlgItemVal(void*, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetDlgString(void*, std::int32_t, char*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SetDlgString(void*, std::int32_t, const char*, std::uint32_t) { return 0; }
std::int32_t QXAPI SetCurrentMorvelDocument(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetNextMorvelDocument(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetQuavixPath(char*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetGraphicPath(void*, void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI CreateGraphic(void*, std::int32_t, void*, void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI StartQuavixEdit(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI EndQuavixEdit(std::uint32_t) { return 0; }
void QXAPI CancelQuavixEdit(std::uint32_t) {}
std::int32_t QXAPI GetDocumentPath(std::int32_t, char*, std::uint32_t) { return 0; }
std::int32_t QXAPI SelectExpressionDialog(void*, void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI MassMover(EREGION*, void*, std::uint32_t) { return 0; }
void QXAPI RebuildMenuSystem(std::uint32_t, std::uint32_t) {}
std::int32_t QXAPI EnableBusyDetection(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI ExecuteMenuItem(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI AnalyzeChord(void*, void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI InsertMeasures(std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI DeleteMeasures(std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI NewMorvelDocument(std::uint32_t) { return 0; }
std::int32_t QXAPI CloseMorvelDocument(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI IsMorvelDocumentDirty(std::int32_t, std::uint32_t) { return 0; }
void QXAPI SetMorvelDocumentDirty(std::int32_t, std::int32_t, std::uint32_t) {}
void QXAPI GetPrintSettings(void*, std::uint32_t) {}
std::int32_t QXAPI PrintCurrentDocument(void*, std::uint32_t) { return 0; }
std::int32_t QXAPI PrintDocument(std::int32_t, void*, std::uint32_t) { return 0; }
void QXAPI PrintDocuments(void*, std::int32_t, void*, std::uint32_t) {}
std::int32_t QXAPI OpenDocument(void*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI CloseCurrentDocumentWindow(std::uint32_t) { return 0; }
std::int32_t QXAPI SaveDocument(void*, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
void QXAPI DeleteMidiExpressions(std::int32_t, std::int32_t, std::uint32_t) {}
void QXAPI DeleteTempoRecords(std::int32_t, std::uint32_t) {}
std::int32_t QXAPI GetWindowCount(std::uint32_t) { return 0; }
std::int32_t QXAPI GetWindowInfoList(void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetCurrentWindowInfo(void*, std::uint32_t) { return 0; }
void* QXAPI GetCurrentWindow(std::uint32_t) { return nullptr; }
std::int32_t QXAPI SetCurrentWindow(void*, std::uint32_t) { return 0; }
std::int32_t QXAPI ProcessMidiData(void*, std::uint32_t) { return 0; }
std::int32_t QXAPI QueryK2Slot(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI QueryAriaSlot(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetCurrentPartID(std::uint32_t) { return 0; }
void QXAPI SetCurrentPartID(std::int32_t, std::uint32_t) {}
void QXAPI SetCurrentPartInView(std::int32_t, std::uint32_t) {}
std::int32_t QXAPI GetNextPartID(std::int32_t, std::uint32_t) { return 0; }
const char* QXAPI GetPartName(std::int32_t, std::uint32_t) { return " "; }
std::int32_t QXAPI CountParts(std::uint32_t) { return 0; }
std::int32_t QXAPI CopyCutMusic(EREGION*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI InsertMergeMusic(std::int32_t, EREGION*, std::uint32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI DisposeQuaClipFileToken(std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI SetDefaultMusicFont(std::int32_t, std::int32_t, std::uint32_t, std::uint32_t) { return 0; }
void QXAPI OpenHelpItem(const char*, std::uint32_t) {}
std::int32_t QXAPI GetTextEncoding(std::uint32_t) { return 0; }
void QXAPI GetSMPParts(void*, std::uint32_t) {}
std::int32_t QXAPI GetPlaybackSystem(std::uint32_t) { return 0; }
std::int32_t QXAPI AutoRehearsalInsert(std::int32_t, std::int32_t, std::int32_t, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetPercMapRefData(std::uint32_t, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI CreatePercMapRefData(void*, void*, std::uint32_t) { return 0; }
std::int32_t QXAPI GetEntryMetrics2009a(std::int32_t, std::int32_t, void*, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetTGFEntryMetrics2009a(EXTGF2005a*, void*, void*, std::int32_t, std::uint32_t) { return 0; }
std::int32_t QXAPI GetMeasureMetrics(std::int32_t, std::int32_t, void*, std::int32_t, std::uint32_t) { return 0; }
void QXAPI FreeEntryMetrics(void*, std::uint32_t) {}
void QXAPI FreeMeasureMetrics(void*, std::uint32_t) {}
// clang-format on

}  // namespace host::api
