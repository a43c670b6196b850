#include "framework/score/FCMeasures.h"

#include <cstring>
#include <string>
#include <vector>

#include "framework/browsers/FCBrowserMeasures.h"
#include "host/document/RecordStore.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;

class FCMeasuresTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
  }
  // Measure records with the key value equal to the measure number.
  void PutMeasures(std::initializer_list<std::uint16_t> numbers) {
    for (const std::uint16_t n : numbers) {
      EDTMeasure record{};
      record.keySignature = static_cast<std::int16_t>(n);
      document().Records().Put(quavix::kMeasureTag, NumberedKey(n),
                               std::string(reinterpret_cast<const char*>(&record), sizeof record));
    }
  }
};

std::vector<int> Numbers(FCMeasures& measures) {
  std::vector<int> numbers;
  for (int i = 0; i < measures.GetCount(); ++i) numbers.push_back(static_cast<FCMeasure*>(measures.GetItemAt(i))->GetItemNo());
  return numbers;
}

TEST_F(FCMeasuresTest, ARegionLoadsItsMeasuresInOrderAndSkipsMissingOnes) {
  PutMeasures({1, 3, 4, 7});
  FCMusicRegion region;
  region.SetStartMeasure(1);
  region.SetEndMeasure(4);
  FCMeasures measures;
  measures.LoadRegion(&region, quavix::kInterfaceVersion);
  EXPECT_EQ(Numbers(measures), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(static_cast<FCMeasure*>(measures.GetItemAt(1))->GetKeySignature()->GetKeyValue(), 3);
  // A second load replaces the first.
  region.SetStartMeasure(4);
  region.SetEndMeasure(9);
  measures.LoadRegion(&region, quavix::kInterfaceVersion);
  EXPECT_EQ(Numbers(measures), (std::vector<int>{4, 7}));
  EXPECT_EQ(std::string(measures.ClassName()), "FCMeasures");
}

// Records the measure numbers a walk hands over; stops after `limit`.
class MeasureLog : public FCIteratorHandler {
 public:
  explicit MeasureLog(int limit = 1000) : limit_(limit) {}
  bool Iterate(__FCBase* object) override {
    seen.push_back(static_cast<FCMeasure*>(object)->GetItemNo());
    return static_cast<int>(seen.size()) < limit_;
  }
  bool Match(__FCBase* object) override { return static_cast<FCMeasure*>(object)->GetItemNo() == 3; }
  std::vector<int> seen;

 private:
  int limit_;
};

TEST_F(FCMeasuresTest, TheMeasureBrowserWalksEveryMeasureFromTheFirst) {
  PutMeasures({1, 2, 3, 5});
  FCBrowserMeasures browser;
  MeasureLog log;
  EXPECT_EQ(browser.ForEach(&log), 4);
  EXPECT_EQ(log.seen, (std::vector<int>{1, 2, 3, 5}));
  MeasureLog stopper(2);
  EXPECT_EQ(browser.ForEach(&stopper), 1) << "the call that returned false is not counted";
  std::unique_ptr<__FCBase> found(browser.FindFirst(&log));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(static_cast<FCMeasure*>(found.get())->GetItemNo(), 3);
  EXPECT_EQ(browser.GetCount(), 0) << "counted from item 0, which measures do not have";
  EXPECT_EQ(std::string(browser.ClassName()), "FCBrowserMeasures");
}

}  // namespace
