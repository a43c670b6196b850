#include "pdk/binding/DataRecords.h"

#include <cstring>
#include <string>
#include <vector>

#include "host/document/RecordStore.h"
#include "pdk/binding/HostFunctions.h"
#include "support/HostFixture.h"

namespace {

using host::NumberedKey;
using host::RecordKey;
using quavix::MakeTag;

std::vector<std::string> g_alerts;

std::int32_t QXAPI Alert(std::int32_t, std::uint32_t, std::int32_t, const char* text, std::uint32_t) {
  g_alerts.push_back(text);
  return 1;
}

// A host that fails the load but writes one byte into the buffer first.
std::int32_t QXAPI FailAfterWriting(std::uint32_t, void*, void* buffer, std::int32_t* size, std::uint32_t) {
  if (buffer != nullptr && *size > 5) static_cast<unsigned char*>(buffer)[5] = 0x11;
  return 0;
}

class DataRecordsTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    g_alerts.clear();
    Provide("FX_AlertMessage", &Alert);
    session().Open(host::Document());
  }
  host::RecordStore& store() { return document().Records(); }
  const host::Session::RecordCall& LastCall() { return session().RecordCalls().back(); }
};

constexpr const char* kTextBlockWarning =
    "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter";
constexpr const char* kGfholdWarning =
    "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter";
constexpr const char* kShapeWarning =
    "Warning to plug-in developer: EDTShapeExpression2004 used with wrong version parameter";

TEST_F(DataRecordsTest, TheVersionIsMadeToAgreeWithTheBodySize) {
  struct Case {
    const char* tag;
    std::uint32_t tagValue;
    std::int32_t size;
    std::uint32_t versionIn;
    std::uint32_t versionSeen;
    const char* warning;  // or null
  };
  const std::uint32_t soss = MakeTag('S', 'O', 'S', 'S');
  const Case cases[] = {
      {"SOMS", MakeTag('S', 'O', 'M', 'S'), 26, 0x09000000, 0x0A000000, nullptr},
      {"SOMS", MakeTag('S', 'O', 'M', 'S'), 26, 0x0F000200, 0x0F000200, nullptr},
      {"SOMS", MakeTag('S', 'O', 'M', 'S'), 24, 0x0F000200, 0x09000000, nullptr},
      {"SOMS", MakeTag('S', 'O', 'M', 'S'), 30, 0x05000000, 0x05000000, nullptr},
      {"SOSS", soss, 28, 0x09FFFFFF, 0x0A000000, nullptr},
      {"4F025353", 0x4F025353, 28, 0x08000000, 0x0A000000, nullptr},
      {"SOSS", soss, 24, 0x05FFFFFF, 0x06000000, nullptr},
      {"SOSS", soss, 24, 0x06000000, 0x06000000, nullptr},
      {"4F025353", 0x4F025353, 22, 0x0F000200, 0x05000000, nullptr},
      {"SOIS", MakeTag('S', 'O', 'I', 'S'), 66, 0x0F000200, 0x05000000, nullptr},
      {"SOIS", MakeTag('S', 'O', 'I', 'S'), 102, 0x05000000, 0x08000000, nullptr},
      {"SOIS", MakeTag('S', 'O', 'I', 'S'), 114, 0x0F000200, 0x0F000200, nullptr},
      {"SOTX", MakeTag('S', 'O', 'T', 'X'), 48, 0x0F000200, 0x08000000, nullptr},
      {"SOTX", MakeTag('S', 'O', 'T', 'X'), 48, 0x05000000, 0x05000000, nullptr},
      {"SOTX", MakeTag('S', 'O', 'T', 'X'), 26, 0x08000000, 0x09000000, kTextBlockWarning},
      {"SOTX", MakeTag('S', 'O', 'T', 'X'), 26, 0x0F000200, 0x0F000200, nullptr},
      {"SDGF", MakeTag('S', 'D', 'G', 'F'), 12, 0x09000000, 0x08000000, nullptr},
      {"SDGF", MakeTag('S', 'D', 'G', 'F'), 10, 0x08FFFFFF, 0x09000000, kGfholdWarning},
      {"otDO", MakeTag('o', 't', 'D', 'O'), 12, 0x0F000200, 0x08000000, nullptr},
      {"otDO", MakeTag('o', 't', 'D', 'O'), 34, 0x05000000, 0x09000000, kShapeWarning},
      {"otDO", MakeTag('o', 't', 'D', 'O'), 34, 0x09000000, 0x09000000, nullptr},
      {"other tag", MakeTag('a', 'b', 'c', 'd'), 26, 0x01000000, 0x01000000, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tag) + " size " + std::to_string(c.size) + " version " +
                 std::to_string(c.versionIn));
    RecordKey key = NumberedKey(1);
    unsigned char buffer[128] = {};
    // Every adapted wrapper, each with the same rule.
    for (const char* function : {"LoadEData", "SaveEData", "CreateEData", "NextEData", "PreviousEData"}) {
      g_alerts.clear();
      const std::string name = function;
      QxLong size = c.size;
      if (name == "LoadEData") FX_LoadEData(c.tagValue, key.data(), buffer, &size, c.versionIn);
      if (name == "SaveEData") FX_SaveEData(c.tagValue, key.data(), buffer, size, c.versionIn);
      if (name == "CreateEData") FX_CreateEData(c.tagValue, key.data(), buffer, size, c.versionIn);
      if (name == "NextEData") FX_NextEData(c.tagValue, key.data(), buffer, size, c.versionIn);
      if (name == "PreviousEData") FX_PreviousEData(c.tagValue, key.data(), buffer, size, c.versionIn);
      ASSERT_EQ(LastCall().function, name);
      EXPECT_EQ(LastCall().version, c.versionSeen) << name;
      // The warning comes on every such call.
      EXPECT_EQ(g_alerts, c.warning ? std::vector<std::string>{c.warning} : std::vector<std::string>{})
          << name;
    }
  }
  // A size of 0 (a step, a size query) never changes the version.
  RecordKey key{};
  FX_NextEData(MakeTag('S', 'O', 'M', 'S'), key.data(), nullptr, 0, 0x09000000);
  EXPECT_EQ(LastCall().version, 0x09000000u);
  // Deleting forwards the version as it is.
  FX_DeleteEData(MakeTag('S', 'O', 'T', 'X'), key.data(), 0x05000000);
  EXPECT_EQ(LastCall().version, 0x05000000u);
  EXPECT_TRUE(g_alerts.empty());
}

TEST_F(DataRecordsTest, LoadsThatTheHostServesAtOnceReachItTwiceForTheWorkedAroundKinds) {
  const std::uint32_t articulationDef = 0x4F044958;
  store().Put(articulationDef, NumberedKey(1), std::string(60, 'a'));
  RecordKey key = NumberedKey(1);
  unsigned char buffer[60] = {};
  QxLong size = sizeof buffer;
  EXPECT_EQ(FX_LoadEData(articulationDef, key.data(), buffer, &size, quavix::kInterfaceVersion), 1);
  EXPECT_EQ(session().RecordCalls().size(), 2u);
  EXPECT_EQ(buffer[59], 'a');
  // Other kinds reach it once.
  store().Put(MakeTag('a', 'b', 'c', 'd'), NumberedKey(1), "x");
  size = sizeof buffer;
  EXPECT_EQ(FX_LoadEData(MakeTag('a', 'b', 'c', 'd'), key.data(), buffer, &size, quavix::kInterfaceVersion),
            1);
  EXPECT_EQ(session().RecordCalls().size(), 3u);
}

TEST_F(DataRecordsTest, AFailedLoadOfAClearedKindCountsWhenTheHostWroteIntoTheBuffer) {
  for (const std::uint32_t tag : {0x4F044958u, 0x4F096649u}) {
    RecordKey key = NumberedKey(1);
    unsigned char buffer[120];
    std::memset(buffer, 0x55, sizeof buffer);
    QxLong size = sizeof buffer;
    // The real host fails and writes nothing: the cleared bytes stay zero.
    EXPECT_EQ(FX_LoadEData(tag, key.data(), buffer, &size, quavix::kInterfaceVersion), 0);
    const std::size_t cleared = tag == 0x4F044958u ? 48 : 108;
    for (std::size_t i = 0; i < cleared; ++i) ASSERT_EQ(buffer[i], 0) << i;
    EXPECT_EQ(buffer[cleared], 0x55) << "only the block is cleared";
  }
  Provide("FX_LoadEData", &FailAfterWriting);
  qxtest::ResetModuleState();  // bind the load anew
  RecordKey key = NumberedKey(1);
  unsigned char buffer[48];
  QxLong size = sizeof buffer;
  EXPECT_EQ(FX_LoadEData(0x4F044958, key.data(), buffer, &size, quavix::kInterfaceVersion), 1);
}

// The clearing stays inside the caller's buffer, however small.
TEST_F(DataRecordsTest, ASmallBufferIsNotClearedPastItsEnd) {
  RecordKey key = NumberedKey(1);
  unsigned char buffer[16];
  std::memset(buffer, 0x55, sizeof buffer);
  QxLong size = 8;
  EXPECT_EQ(FX_LoadEData(0x4F096649, key.data(), buffer, &size, quavix::kInterfaceVersion), 0);
  EXPECT_EQ(buffer[7], 0);
  EXPECT_EQ(buffer[8], 0x55);
}

TEST_F(DataRecordsTest, AMissingStaffStyleRecordLoadsEmptyWhenItsRelatedRecordExists) {
  const std::uint32_t sosd = MakeTag('S', 'O', 'S', 'D');
  const std::uint32_t otsd = MakeTag('o', 't', 'S', 'D');
  RecordKey key = NumberedKey(4, 3);
  unsigned char buffer[100];
  std::memset(buffer, 0x55, sizeof buffer);
  QxLong size = 100;
  EXPECT_EQ(FX_LoadEData(sosd, key.data(), buffer, &size, quavix::kInterfaceVersion), 0)
      << "no related record";
  store().Put(otsd, NumberedKey(4, 0), std::string(12, 'o'));
  EXPECT_EQ(FX_LoadEData(sosd, key.data(), buffer, &size, quavix::kInterfaceVersion), 1);
  EXPECT_EQ(size, 100) << "the size stays";
  for (int i = 0; i < 66; ++i) ASSERT_EQ(buffer[i], 0) << i;
  EXPECT_EQ(buffer[66], 0x55);
  const auto& related = session().RecordCalls().back();
  EXPECT_EQ(related.tag, otsd);
  EXPECT_EQ(related.key, NumberedKey(4, 0)) << "the second key field set to 0";
  EXPECT_EQ(related.size, 12);
  QxLong query = 0;
  EXPECT_EQ(FX_LoadEData(sosd, key.data(), nullptr, &query, quavix::kInterfaceVersion), 1);
  EXPECT_EQ(query, 66);
}

}  // namespace
