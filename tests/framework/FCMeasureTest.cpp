#include "framework/score/FCMeasure.h"

#include <cstring>
#include <string>

#include "host/document/RecordStore.h"
#include "pdk/binding/HostModule.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;

class FCMeasureTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  // Stores measure n with the given flag words and key value; every other
  // byte is 0xA5, so that a change to one shows.
  void PutMeasure(std::uint16_t n, std::uint16_t aux, std::uint16_t me, std::uint16_t left,
                  std::int16_t key) {
    EDTMeasure record;
    std::memset(&record, 0xA5, sizeof record);
    record.auxFlag = aux;
    record.meFlag = me;
    record.newFlag = left;
    record.keySignature = key;
    document().Records().Put(quavix::kMeasureTag, NumberedKey(n),
                             std::string(reinterpret_cast<const char*>(&record), sizeof record));
  }
  EDTMeasure Stored(std::uint16_t n) {
    EDTMeasure record;
    const std::string* body = document().Records().Find(quavix::kMeasureTag, NumberedKey(n));
    EXPECT_NE(body, nullptr);
    std::memcpy(&record, body->data(), sizeof record);
    return record;
  }
};

TEST_F(FCMeasureTest, FlagWordsReadBackAsStatesBarlinesAndModes) {
  struct Case {
    std::uint16_t aux, me, left;
    FCMeasure::DISPLAY_STATES key, time;
    FCMeasure::BARLINE_STYLES right, leftBarline;
    FCMeasure::POSITIONING_MODES mode;
  };
  const Case cases[] = {
      {0x0004, 0x0000, 0x0000, FCMeasure::DISPLAYSTATE_0, FCMeasure::DISPLAYSTATE_0,
       FCMeasure::BARLINESTYLE_0, FCMeasure::BARLINESTYLE_0, FCMeasure::POSITIONINGMODE_0},
      // The AuxFlag bit wins over the MeFlag bit.
      {0x0020, 0x0800, 0x0000, FCMeasure::DISPLAYSTATE_2, FCMeasure::DISPLAYSTATE_0,
       FCMeasure::BARLINESTYLE_0, FCMeasure::BARLINESTYLE_0, FCMeasure::POSITIONINGMODE_1},
      {0x0013, 0x0C60, 0x0030, FCMeasure::DISPLAYSTATE_1, FCMeasure::DISPLAYSTATE_2,
       FCMeasure::BARLINESTYLE_6, FCMeasure::BARLINESTYLE_3, FCMeasure::POSITIONINGMODE_2},
      // Barline codes of 7 and more read as 0; codes 6 and 3 as mode 2.
      {0x0006, 0x00F0, 0x0070, FCMeasure::DISPLAYSTATE_0, FCMeasure::DISPLAYSTATE_0,
       FCMeasure::BARLINESTYLE_0, FCMeasure::BARLINESTYLE_0, FCMeasure::POSITIONINGMODE_2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.aux) + "/" + std::to_string(c.me));
    PutMeasure(1, c.aux, c.me, c.left, 0);
    FCMeasure measure(quavix::kInterfaceVersion);
    ASSERT_TRUE(measure.Load(1));
    EXPECT_EQ(measure.GetKeySignatureDisplay(), c.key);
    EXPECT_EQ(measure.GetTimeSignatureDisplay(), c.time);
    EXPECT_EQ(measure.GetBarline(), c.right);
    EXPECT_EQ(measure.GetLeftBarline(), c.leftBarline);
    EXPECT_EQ(measure.GetPositioningNotesMode(), c.mode);
  }
}

TEST_F(FCMeasureTest, SettersWriteOnlyTheirBitsAndOutOfRangeValuesChangeNothing) {
  PutMeasure(2, 0xFFF8, 0xF0FF, 0x0000, 0);
  FCMeasure measure(quavix::kInterfaceVersion);
  ASSERT_TRUE(measure.Load(2));
  measure.SetKeySignatureDisplay(FCMeasure::DISPLAYSTATE_1);
  measure.SetTimeSignatureDisplay(FCMeasure::DISPLAYSTATE_0);
  measure.SetBarline(FCMeasure::BARLINESTYLE_5);
  measure.SetLeftBarline(FCMeasure::BARLINESTYLE_2);
  measure.SetPositioningNotesMode(FCMeasure::POSITIONINGMODE_2);
  measure.SetBarline(static_cast<FCMeasure::BARLINE_STYLES>(7));
  measure.SetKeySignatureDisplay(static_cast<FCMeasure::DISPLAY_STATES>(3));
  measure.SetPositioningNotesMode(static_cast<FCMeasure::POSITIONING_MODES>(3));
  unsigned short code = 99;
  EXPECT_FALSE(measure._GetBarlineMask(static_cast<FCMeasure::BARLINE_STYLES>(-1), &code));
  EXPECT_EQ(code, 0);
  ASSERT_TRUE(measure.Save());
  const EDTMeasure stored = Stored(2);
  EXPECT_EQ(stored.auxFlag, (0xFFF8 & ~0x0030 & ~0x0007) | 0x0006);
  EXPECT_EQ(stored.meFlag, (0xF0FF & ~0x0400 & ~0x00F0) | 0x0800 | 0x0050);
  EXPECT_EQ(stored.newFlag, 0x0020);
  EXPECT_EQ(stored.reserved0[0], 0xA5) << "bytes no accessor names go back as loaded";
  EXPECT_EQ(stored.reserved18[7], 0xA5);
}

TEST_F(FCMeasureTest, FullNamesNeedAHostFromVersion10) {
  PutMeasure(1, 0x0800, 0, 0, 0);
  FCMeasure measure(quavix::kInterfaceVersion);
  ASSERT_TRUE(measure.Load(1));
  RunningQuavixVersion = 0x0FFFFFFF;
  EXPECT_FALSE(measure.GetShowFullNames());
  measure.SetShowFullNames(false);
  RunningQuavixVersion = 0x10000000;
  EXPECT_TRUE(measure.GetShowFullNames()) << "the older host left the flag alone";
  measure.SetShowFullNames(false);
  EXPECT_FALSE(measure.GetShowFullNames());
}

TEST_F(FCMeasureTest, TheKeySignatureIsOwnedAndRefreshedFromTheRecord) {
  FCMeasure measure(quavix::kInterfaceVersion);
  EXPECT_EQ(measure.GetKeySignature(), nullptr) << "not loaded";
  PutMeasure(3, 0, 0, 0, 0x00FD);
  ASSERT_TRUE(measure.Load(3));
  FCKeySignature* key = measure.GetKeySignature();
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->CalcFlats(), 3);
  key->SetKeyValue(0x0002);
  EXPECT_EQ(measure.GetKeySignature(), key);
  EXPECT_EQ(key->CalcFlats(), 3) << "refreshed: the object never writes the record";
  EXPECT_EQ(measure.CreateBeatChart(true), nullptr);
  // A clone copies the record, not the key signature object.
  std::unique_ptr<__FCBaseData> clone(measure.CreateClone());
  auto* copy = static_cast<FCMeasure*>(clone.get());
  EXPECT_EQ(copy->GetItemNo(), 3);
  ASSERT_NE(copy->GetKeySignature(), nullptr);
  EXPECT_NE(copy->GetKeySignature(), key);
  EXPECT_EQ(copy->GetKeySignature()->CalcFlats(), 3);
}

}  // namespace
