#include "framework/records/DetailRecords.h"

#include <cstddef>
#include <cstring>

#include "framework/notes/FCNoteEntry.h"
#include "framework/records/RecordKeyFields.h"
#include "framework/regions/FCMusicRegion.h"
#include "pdk/binding/HostFunctions.h"

using framework::key::GetUnsigned16;
using framework::key::GetUnsigned32;
using framework::key::PutUnsigned16;
using framework::key::PutUnsigned32;

namespace {

constexpr int kIncidentOffset = 4;
// Sent in the incident of a create; the host writes the one it assigns.
constexpr std::uint16_t kAssignIncident = 0xFFFF;

// A key built for one call: entry number and incident, the rest zero.
struct EntryDetailKey {
  EntryDetailKey(std::uint32_t entryNumber, std::uint16_t incident) {
    PutUnsigned32(bytes, entryNumber);
    PutUnsigned16(bytes + kIncidentOffset, incident);
  }
  std::uint16_t Incident() const { return GetUnsigned16(bytes + kIncidentOffset); }
  void SetIncident(std::uint16_t incident) { PutUnsigned16(bytes + kIncidentOffset, incident); }
  unsigned char bytes[8] = {};
};

std::uint32_t EntryNumberOf(const FCNoteEntry* entry) {
  return entry != nullptr ? entry->GetEntryNumber() : 0;
}

// Steps the incident in bytes 4-5 of the object's key; a refused load steps
// back, so the key still names the last record loaded.
bool StepIncident(__FCBaseData& record) {
  unsigned char* incident = record._GetKey() + kIncidentOffset;
  const std::uint16_t current = GetUnsigned16(incident);
  PutUnsigned16(incident, static_cast<std::uint16_t>(current + 1));
  if (record.LoadDataBlock()) return true;
  PutUnsigned16(incident, current);
  return false;
}

}  // namespace

// --- __FCEntryDetail ---------------------------------------------------------

QxLong __FCEntryDetail::GetEntryNumber() const { return static_cast<QxLong>(GetUnsigned32(_GetKey())); }

short __FCEntryDetail::GetIncident() const {
  return static_cast<short>(GetUnsigned16(_GetKey() + kIncidentOffset));
}

void __FCEntryDetail::_SetEntryNumber(QxLong entryNumber) {
  PutUnsigned32(_GetKey(), static_cast<std::uint32_t>(entryNumber));
}

void __FCEntryDetail::_SetIncident(short incident) {
  PutUnsigned16(_GetKey() + kIncidentOffset, static_cast<std::uint16_t>(incident));
}

bool __FCEntryDetail::Load(QxLong entryNumber, short incident) {
  _SetEntryNumber(entryNumber);
  _SetIncident(incident);
  return LoadDataBlock();
}

bool __FCEntryDetail::SaveAs(QxLong entryNumber, short incident) {
  _SetEntryNumber(entryNumber);
  _SetIncident(incident);
  return Save();
}

bool __FCEntryDetail::LoadFirst() {
  if (_noteEntry == nullptr) return false;
  return Load(static_cast<QxLong>(EntryNumberOf(_noteEntry)), 0);
}

bool __FCEntryDetail::LoadNext() { return StepIncident(*this); }

void __FCEntryDetail::_SetEntryFlag(FCNoteEntry* entry, bool set) {
  if (entry == nullptr || entry->_GetEntryRecord() == nullptr) return;
  Set32BitFlag(quavix::FieldAt<QxULong>(entry->_GetEntryRecord(), offsetof(EXENTRY, flags)),
               quavix::entryflag::kNoteDetail, set);
}

void* __FCEntryDetail::_BufferToSend() {
  // The host reads DataSize() bytes from the buffer: an object that was
  // never loaded sends its own (allocated) record rather than no buffer.
  if (_GetDataPtr() == nullptr) _SetDataPtr(Allocate());
  return _GetDataPtr();
}

bool __FCEntryDetail::SaveNew() {
  if (_noteEntry == nullptr) return false;
  EntryDetailKey key(static_cast<std::uint32_t>(GetEntryNumber()), kAssignIncident);
  const std::int32_t size = DataSize();
  void* buffer = _BufferToSend();
  if (FX_CreateEData(Tag(), key.bytes, buffer, size, quavix::kInterfaceVersion) == 0) return false;
  std::memcpy(_GetKey(), key.bytes, sizeof key.bytes);
  _SetEntryFlag(_noteEntry, true);
  return true;
}

bool __FCEntryDetail::_HasAnyMod(FCNote* note) {
  if (note == nullptr) return false;
  QxLong size = DataSize();
  if (size > kScratchSize) return false;
  EntryDetailKey key(note->_GetEntryNumber(), 0);
  unsigned char scratch[kScratchSize];
  return FX_LoadEData(Tag(), key.bytes, scratch, &size, quavix::kInterfaceVersion) != 0;
}

// --- __FCEntryDetailNoteID ---------------------------------------------------

short __FCEntryDetailNoteID::_ScanForNoteID(FCNote* note) {
  if (note == nullptr) return -1;
  const QxLong fullSize = DataSize();
  if (fullSize > kScratchSize) return -1;
  const short noteId = note->GetNoteID();
  EntryDetailKey key(note->_GetEntryNumber(), 0);
  unsigned char scratch[kScratchSize];
  // 0xFFFF is never an incident of a record: it asks the host for a new one.
  for (; key.Incident() != kAssignIncident; key.SetIncident(static_cast<std::uint16_t>(key.Incident() + 1))) {
    // Every load is offered the full size and a cleared area: a short record
    // must not shrink the next load or leave bytes for it.
    QxLong size = fullSize;
    std::memset(scratch, 0, sizeof scratch);
    if (FX_LoadEData(Tag(), key.bytes, scratch, &size, quavix::kInterfaceVersion) == 0) return -1;
    if (_IsNoteIDInData(scratch, noteId)) return static_cast<short>(key.Incident());
  }
  return -1;
}

bool __FCEntryDetailNoteID::SaveAt(FCNote* note) {
  // Without a scan there is no telling whether the note has a record: a
  // create could duplicate it.
  if (note == nullptr || !_FitsScratch()) return false;
  EntryDetailKey key(note->_GetEntryNumber(), static_cast<std::uint16_t>(_ScanForNoteID(note)));
  void* buffer = _BufferToSend();
  _SetNoteID(note->GetNoteID());
  const std::int32_t size = DataSize();
  const bool saved = key.Incident() == kAssignIncident
                         ? FX_CreateEData(Tag(), key.bytes, buffer, size, quavix::kInterfaceVersion) != 0
                         : FX_SaveEData(Tag(), key.bytes, buffer, size, quavix::kInterfaceVersion) != 0;
  if (!saved) return false;
  std::memcpy(_GetKey(), key.bytes, sizeof key.bytes);
  _SetNoteEntryFlag(note, true);
  return true;
}

bool __FCEntryDetailNoteID::EraseAt(FCNote* note) {
  if (note == nullptr || !_FitsScratch()) return false;
  EntryDetailKey key(note->_GetEntryNumber(), static_cast<std::uint16_t>(_ScanForNoteID(note)));
  if (FX_DeleteEData(Tag(), key.bytes, quavix::kInterfaceVersion) == 0) return false;
  if (!_HasAnyMod(note)) _SetNoteEntryFlag(note, false);
  std::memcpy(_GetKey(), key.bytes, sizeof key.bytes);
  _SetIncident(-1);
  return true;
}

// --- __FCCellDetail ----------------------------------------------------------

short __FCCellDetail::GetStaff() const { return static_cast<short>(GetUnsigned16(_GetKey())); }
short __FCCellDetail::GetMeasure() const { return static_cast<short>(GetUnsigned16(_GetKey() + 2)); }
short __FCCellDetail::GetIncident() const {
  return static_cast<short>(GetUnsigned16(_GetKey() + kIncidentOffset));
}

bool __FCCellDetail::LoadFirst() {
  if (_cell == nullptr) return false;
  unsigned char* key = _GetKey();
  PutUnsigned16(key, static_cast<std::uint16_t>(_cell->GetStaff()));
  PutUnsigned16(key + 2, static_cast<std::uint16_t>(_cell->GetMeasure()));
  PutUnsigned16(key + kIncidentOffset, 0);
  return LoadDataBlock();
}

bool __FCCellDetail::LoadNext() { return StepIncident(*this); }
