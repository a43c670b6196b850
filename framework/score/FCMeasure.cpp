#include "framework/score/FCMeasure.h"

#include "pdk/binding/HostModule.h"

namespace mf = quavix::measureflag;

namespace {
constexpr QxULong kFirstFullNamesVersion = 0x10000000;
}  // namespace

FCMeasure::~FCMeasure() { delete _keySignature; }

void FCMeasure::CloneMemoryFrom(__FCBaseData* source) { _CloneEmbeddedRecordFrom(source); }

// The flag words sit at odd places of a packed record: they are changed
// through a local copy.
void FCMeasure::_SetAuxFlag(unsigned short mask, bool set) {
  unsigned short flags = _record.auxFlag;
  Set16BitFlag(&flags, mask, set);
  _record.auxFlag = flags;
}

void FCMeasure::_SetMeFlag(unsigned short mask, bool set) {
  unsigned short flags = _record.meFlag;
  Set16BitFlag(&flags, mask, set);
  _record.meFlag = flags;
}

void FCMeasure::_SetNewFlag(unsigned short mask, bool set) {
  unsigned short flags = _record.newFlag;
  Set16BitFlag(&flags, mask, set);
  _record.newFlag = flags;
}

void FCMeasure::SetDisplay(DISPLAY_STATES state, std::uint16_t auxBit, std::uint16_t meBit) {
  if (state < DISPLAYSTATE_0 || state > DISPLAYSTATE_2) return;
  _SetAuxFlag(auxBit, state == DISPLAYSTATE_2);
  _SetMeFlag(meBit, state == DISPLAYSTATE_1);
}

FCMeasure::DISPLAY_STATES FCMeasure::GetDisplay(std::uint16_t auxBit, std::uint16_t meBit) const {
  if ((_record.auxFlag & auxBit) != 0) return DISPLAYSTATE_2;
  if ((_record.meFlag & meBit) != 0) return DISPLAYSTATE_1;
  return DISPLAYSTATE_0;
}

void FCMeasure::SetKeySignatureDisplay(DISPLAY_STATES state) {
  SetDisplay(state, mf::kKeySignatureDisplay2, mf::kKeySignatureDisplay1);
}

FCMeasure::DISPLAY_STATES FCMeasure::GetKeySignatureDisplay() const {
  return GetDisplay(mf::kKeySignatureDisplay2, mf::kKeySignatureDisplay1);
}

void FCMeasure::SetTimeSignatureDisplay(DISPLAY_STATES state) {
  SetDisplay(state, mf::kTimeSignatureDisplay2, mf::kTimeSignatureDisplay1);
}

FCMeasure::DISPLAY_STATES FCMeasure::GetTimeSignatureDisplay() const {
  return GetDisplay(mf::kTimeSignatureDisplay2, mf::kTimeSignatureDisplay1);
}

bool FCMeasure::_GetBarlineMask(BARLINE_STYLES style, unsigned short* code) const {
  const bool known = style >= BARLINESTYLE_0 && style <= BARLINESTYLE_6;
  *code = known ? static_cast<unsigned short>(style) : 0;
  return known;
}

FCMeasure::BARLINE_STYLES FCMeasure::BarlineIn(std::uint16_t flags) {
  const int code = (flags & mf::kBarlineMask) >> mf::kBarlineShift;
  return code > BARLINESTYLE_6 ? BARLINESTYLE_0 : static_cast<BARLINE_STYLES>(code);
}

void FCMeasure::SetBarline(BARLINE_STYLES style) {
  unsigned short code = 0;
  if (!_GetBarlineMask(style, &code)) return;
  _record.meFlag =
      static_cast<std::uint16_t>((_record.meFlag & ~mf::kBarlineMask) | (code << mf::kBarlineShift));
}

FCMeasure::BARLINE_STYLES FCMeasure::GetBarline() const { return BarlineIn(_record.meFlag); }

void FCMeasure::SetLeftBarline(BARLINE_STYLES style) {
  unsigned short code = 0;
  if (!_GetBarlineMask(style, &code)) return;
  _record.newFlag =
      static_cast<std::uint16_t>((_record.newFlag & ~mf::kBarlineMask) | (code << mf::kBarlineShift));
}

FCMeasure::BARLINE_STYLES FCMeasure::GetLeftBarline() const { return BarlineIn(_record.newFlag); }

void FCMeasure::SetShowFullNames(bool show) {
  if (RunningQuavixVersion >= kFirstFullNamesVersion) _SetAuxFlag(mf::kShowFullNames, show);
}

bool FCMeasure::GetShowFullNames() const {
  return RunningQuavixVersion >= kFirstFullNamesVersion && (_record.auxFlag & mf::kShowFullNames) != 0;
}

void FCMeasure::SetPositioningNotesMode(POSITIONING_MODES mode) {
  static constexpr std::uint16_t kCodes[] = {4, 0, 6};
  if (mode < POSITIONINGMODE_0 || mode > POSITIONINGMODE_2) return;
  _record.auxFlag = static_cast<std::uint16_t>((_record.auxFlag & ~mf::kPositioningMask) | kCodes[mode]);
}

FCMeasure::POSITIONING_MODES FCMeasure::GetPositioningNotesMode() const {
  switch (_record.auxFlag & mf::kPositioningMask) {
    case 4:
      return POSITIONINGMODE_0;
    case 0:
      return POSITIONINGMODE_1;
    default:
      return POSITIONINGMODE_2;
  }
}

FCKeySignature* FCMeasure::GetKeySignature() {
  if (GetLoadedSize() <= 0) return nullptr;
  if (_keySignature == nullptr) _keySignature = new FCKeySignature(quavix::kInterfaceVersion);
  _keySignature->SetKeyValue(static_cast<std::uint16_t>(_record.keySignature));
  return _keySignature;
}
