// One measure record (keyed by the measure number): its key- and
// time-signature display states, barlines, full-name display and note
// positioning, and its key signature as a small object the measure owns.
// Bits an accessor does not name stay as loaded.
#pragma once

#include <cstdint>

#include "framework/notes/FCKeySignature.h"
#include "framework/records/RecordFamilies.h"
#include "interface/MeasureRecords.h"

class FCMeasure : public __FCNoInciOther {
 public:
  enum DISPLAY_STATES { DISPLAYSTATE_0 = 0, DISPLAYSTATE_1 = 1, DISPLAYSTATE_2 = 2 };
  enum BARLINE_STYLES {
    BARLINESTYLE_0 = 0,
    BARLINESTYLE_1,
    BARLINESTYLE_2,
    BARLINESTYLE_3,
    BARLINESTYLE_4,
    BARLINESTYLE_5,
    BARLINESTYLE_6
  };
  enum POSITIONING_MODES { POSITIONINGMODE_0 = 0, POSITIONINGMODE_1 = 1, POSITIONINGMODE_2 = 2 };

  explicit FCMeasure(QxULong version) : __FCNoInciOther(version) {}
  FCMeasure(const FCMeasure&) = delete;
  FCMeasure& operator=(const FCMeasure&) = delete;

  const char* ClassName() const override { return "FCMeasure"; }
  std::uint32_t Tag() override { return quavix::kMeasureTag; }
  std::int32_t DataSize() override { return sizeof(EDTMeasure); }
  void* Allocate() override { return &_record; }
  __FCBaseData* CreateObject(QxULong version) override { return new FCMeasure(version); }
  void CloneMemoryFrom(__FCBaseData* source) override;
  ~FCMeasure() override;

  void SetKeySignatureDisplay(DISPLAY_STATES state);
  DISPLAY_STATES GetKeySignatureDisplay() const;
  void SetTimeSignatureDisplay(DISPLAY_STATES state);
  DISPLAY_STATES GetTimeSignatureDisplay() const;
  // The right barline.
  void SetBarline(BARLINE_STYLES style);
  BARLINE_STYLES GetBarline() const;
  void SetLeftBarline(BARLINE_STYLES style);
  BARLINE_STYLES GetLeftBarline() const;
  bool _GetBarlineMask(BARLINE_STYLES style, unsigned short* code) const;
  // Only hosts from 0x10000000 on have the flag.
  void SetShowFullNames(bool show);
  bool GetShowFullNames() const;
  void SetPositioningNotesMode(POSITIONING_MODES mode);
  POSITIONING_MODES GetPositioningNotesMode() const;
  // Beat charts are not provided: always null.
  void* CreateBeatChart(bool) { return nullptr; }
  // The measure's key signature, refreshed from the record on every call and
  // owned by the measure; null while the record is not loaded.
  FCKeySignature* GetKeySignature();

 protected:
  void _SetAuxFlag(unsigned short mask, bool set);
  void _SetMeFlag(unsigned short mask, bool set);
  void _SetNewFlag(unsigned short mask, bool set);

 private:
  // The display-state bits of the key or the time signature.
  void SetDisplay(DISPLAY_STATES state, std::uint16_t auxBit, std::uint16_t meBit);
  DISPLAY_STATES GetDisplay(std::uint16_t auxBit, std::uint16_t meBit) const;
  static BARLINE_STYLES BarlineIn(std::uint16_t flags);

  FCKeySignature* _keySignature = nullptr;
  EDTMeasure _record{};
};
