#include "framework/browsers/FCBrowserBaseData.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/document/RecordStore.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;
using quavix::kInterfaceVersion;
using quavix::MakeTag;
using Log = std::vector<std::string>;

constexpr std::uint32_t kTag = MakeTag('t', 'B', 'r', 'w');

int liveRecords = 0;
int createdRecords = 0;

// A 4-byte record of a family, embedded in the object.
template <typename Family>
class Record : public Family {
 public:
  Record() : Family(kInterfaceVersion) {
    ++liveRecords;
    ++createdRecords;
  }
  ~Record() override { --liveRecords; }
  std::uint32_t Tag() override { return kTag; }
  std::int32_t DataSize() override { return 4; }
  void* Allocate() override { return bytes; }
  __FCBaseData* CreateObject(QxULong) override { return new Record; }
  std::string Text() const { return std::string(bytes, 4); }
  char bytes[4] = {};
};

using Numbered = Record<__FCNoInciOther>;
using Global = Record<__FCGlobals>;

class NumberedBrowser : public __FCBrowserNoInciOther {
 public:
  __FCNoInciOther* CreateAnObject() override { return new Numbered; }
};

class GlobalBrowser : public __FCBrowserBaseData {
 public:
  __FCBaseData* CreateAnObject() override { return new Global; }
};

// The bytes a record object holds.
std::string NameOf(__FCBase* object) {
  auto* record = dynamic_cast<__FCBaseData*>(object);
  return std::string(static_cast<const char*>(record->_GetDataPtr()),
                     static_cast<std::size_t>(record->GetLoadedSize()));
}

// Logs every call; each answer is the test's to choose.
class LoggingHandler : public FCIteratorHandler {
 public:
  bool PreProcess() override {
    log.push_back("PreProcess");
    return preProcess;
  }
  bool PreProcessIfExist() override {
    log.push_back("PreProcessIfExist");
    return preProcessIfExist;
  }
  bool Iterate(__FCBase* record) override {
    log.push_back("Iterate " + NameOf(record));
    return NameOf(record) != stopAt;
  }
  bool Match(__FCBase* record) override {
    log.push_back("Match " + NameOf(record));
    return NameOf(record) == match;
  }
  void PostProcessIfExist() override { log.push_back("PostProcessIfExist"); }
  void PostProcess() override { log.push_back("PostProcess"); }

  bool preProcess = true;
  bool preProcessIfExist = true;
  std::string stopAt;  // Iterate answers false for it
  std::string match;
  Log log;
};

class FCBrowserBaseDataTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    liveRecords = 0;
    createdRecords = 0;
    session().Open(host::Document());
  }
  void TearDown() override {
    EXPECT_EQ(liveRecords, 0) << "a record object was left behind";
    HostTest::TearDown();
  }
  void PutItems(const std::vector<std::uint16_t>& items) {
    for (std::uint16_t item : items)
      document().Records().Put(kTag, NumberedKey(item), "#" + std::to_string(item) + "..");
  }
};

TEST_F(FCBrowserBaseDataTest, ForEachCallsTheHandlerInItsOrderAndStepsOverGaps) {
  struct Case {
    const char* name;
    std::vector<std::uint16_t> items;
    bool preProcess;
    bool preProcessIfExist;
    std::string stopAt;
    int result;
    Log log;
    int created;
  };
  const std::vector<Case> cases = {
      {"all",
       {1, 2, 5},
       true,
       true,
       "",
       3,
       {"PreProcess", "PreProcessIfExist", "Iterate #1..", "Iterate #2..", "Iterate #5..",
        "PostProcessIfExist", "PostProcess"},
       1},
      {"stopped",
       {1, 2, 5},
       true,
       true,
       "#2..",
       1,
       {"PreProcess", "PreProcessIfExist", "Iterate #1..", "Iterate #2..", "PostProcessIfExist",
        "PostProcess"},
       1},
      {"cancelled", {1, 2, 5}, false, true, "", 0, {"PreProcess"}, 0},
      {"skipped", {1, 2, 5}, true, false, "", 0, {"PreProcess", "PreProcessIfExist", "PostProcess"}, 1},
      {"no first record", {2, 5}, true, true, "", 0, {"PreProcess", "PostProcess"}, 1},
  };
  for (const Case& c : cases) {
    session().Open(host::Document());
    PutItems(c.items);
    createdRecords = 0;
    LoggingHandler handler;
    handler.preProcess = c.preProcess;
    handler.preProcessIfExist = c.preProcessIfExist;
    handler.stopAt = c.stopAt;
    NumberedBrowser browser;
    EXPECT_EQ(browser.ForEach(&handler), c.result) << c.name;
    EXPECT_EQ(handler.log, c.log) << c.name;
    EXPECT_EQ(createdRecords, c.created) << c.name << ": one record object per walk";
    EXPECT_EQ(liveRecords, 0) << c.name;
  }
}

TEST_F(FCBrowserBaseDataTest, FindFirstHandsTheMatchedRecordToTheCaller) {
  PutItems({1, 2, 5, 6});
  LoggingHandler handler;
  handler.match = "#5..";
  NumberedBrowser browser;
  std::unique_ptr<__FCBase> found(browser.FindFirst(&handler));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(static_cast<Numbered*>(found.get())->GetItemNo(), 5);
  EXPECT_EQ(NameOf(found.get()), "#5..");
  EXPECT_EQ(handler.log, (Log{"PreProcess", "PreProcessIfExist", "Match #1..", "Match #2..", "Match #5..",
                              "PostProcessIfExist"}));
  EXPECT_EQ(liveRecords, 1) << "the caller's";
}

TEST_F(FCBrowserBaseDataTest, FindFirstWithoutAMatchReturnsNoneAfterPostProcess) {
  PutItems({1, 2});
  struct Case {
    const char* name;
    bool preProcess;
    bool preProcessIfExist;
    Log log;
  };
  const std::vector<Case> cases = {
      {"no match",
       true,
       true,
       {"PreProcess", "PreProcessIfExist", "Match #1..", "Match #2..", "PostProcess"}},
      {"cancelled", false, true, {"PreProcess"}},
      {"skipped", true, false, {"PreProcess", "PreProcessIfExist", "PostProcess"}},
  };
  for (const Case& c : cases) {
    LoggingHandler handler;
    handler.preProcess = c.preProcess;
    handler.preProcessIfExist = c.preProcessIfExist;
    handler.match = "#9..";
    NumberedBrowser browser;
    EXPECT_EQ(browser.FindFirst(&handler), nullptr) << c.name;
    EXPECT_EQ(handler.log, c.log) << c.name;
    EXPECT_EQ(liveRecords, 0) << c.name;
  }
}

TEST_F(FCBrowserBaseDataTest, NumberedBrowsersStartWhereTheCallerSays) {
  PutItems({0, 1, 4, 9});
  NumberedBrowser browser;
  std::unique_ptr<__FCNoInciOther> four(browser.LoadAnElement(4));
  ASSERT_NE(four, nullptr);
  EXPECT_EQ(NameOf(four.get()), "#4..");
  four.reset();
  EXPECT_EQ(browser.LoadAnElement(3), nullptr);
  EXPECT_EQ(liveRecords, 0) << "nothing left allocated";

  LoggingHandler handler;
  EXPECT_EQ(browser.ToEndFrom(4, &handler), 2);
  EXPECT_EQ(handler.log, (Log{"Iterate #4..", "Iterate #9.."})) << "no Pre or Post calls";
  handler.log.clear();
  handler.stopAt = "#1..";
  EXPECT_EQ(browser.ToEndFrom(0, &handler), 1);
  EXPECT_EQ(handler.log, (Log{"Iterate #0..", "Iterate #1.."}));
  handler.log.clear();
  EXPECT_EQ(browser.ToEndFrom(3, &handler), 0);
  EXPECT_TRUE(handler.log.empty());

  EXPECT_EQ(browser.GetCount(), 4) << "item 0 and every record after it";
}

TEST_F(FCBrowserBaseDataTest, GetCountStartsAtItemZero) {
  PutItems({1, 4, 9});
  NumberedBrowser browser;
  EXPECT_EQ(browser.GetCount(), 0);
  PutItems({0});
  EXPECT_EQ(browser.GetCount(), 4);
}

TEST_F(FCBrowserBaseDataTest, AnyFamilyIsWalkedFromItsFirstRecord) {
  PutItems({0, 3});  // globals start at number 0
  LoggingHandler handler;
  GlobalBrowser browser;
  EXPECT_EQ(browser.ForEach(&handler), 2);
  EXPECT_EQ(handler.log, (Log{"PreProcess", "PreProcessIfExist", "Iterate #0..", "Iterate #3..",
                              "PostProcessIfExist", "PostProcess"}));
}

TEST_F(FCBrowserBaseDataTest, ClassNames) {
  GlobalBrowser data;
  NumberedBrowser numbered;
  EXPECT_STREQ(data.ClassName(), "__FCBrowserBaseData");
  EXPECT_STREQ(numbered.ClassName(), "__FCBrowserNoInciOther");
}

}  // namespace
