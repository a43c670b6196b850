#include "host/api/ExportTable.h"

#include <string>

#include "host/document/DocumentBuilder.h"
#include "host/document/Session.h"
#include "pdk/binding/HostFunctions.h"
#include "support/HostFixture.h"

namespace {

// A document whose slots hold the staves of the same number, so a call that
// reaches the host answers its argument.
class ExportTableTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    host::Session::Current().Open(host::DocumentBuilder().Staves({1, 2, 3, 4, 5}).Build());
  }
  void TearDown() override {
    host::Session::Current().Reset();
    HostTest::TearDown();
  }
};
using host::HostFn;
using qxtest::kVersion;

TEST_F(ExportTableTest, FindsEveryFunctionByItsExportedNameOnly) {
  for (int i = 0; i < quavix::kHostFunctionCount; ++i) {
    const auto id = static_cast<HostFn>(i);
    EXPECT_EQ(exports().Find(quavix::HostFunctionName(id)), host::ExportTable::Address(id));
    EXPECT_NE(host::ExportTable::Address(id), nullptr);
  }
  EXPECT_EQ(exports().Find("LoadTGF"), nullptr);
  EXPECT_EQ(exports().Find("FX_loadtgf"), nullptr);
  EXPECT_EQ(exports().Find(""), nullptr);
  EXPECT_EQ(exports().Find(nullptr), nullptr);
}

TEST_F(ExportTableTest, WithheldFunctionLooksUnexportedToTheModule) {
  exports().Withhold(HostFn::InstToSlot);
  EXPECT_EQ(exports().Find("FX_InstToSlot"), nullptr);
  EXPECT_EQ(FX_InstToSlot(5, 0, kVersion), 0);  // required: the zero value, no call
  EXPECT_EQ(FX_SlotToInst(5, 0, kVersion), 5);  // still exported: reaches the host
  EXPECT_EQ(exports().Calls(), std::vector<HostFn>{HostFn::SlotToInst});
}

TEST_F(ExportTableTest, NthCallFailsWithoutReachingTheImplementation) {
  exports().FailNthCall(HostFn::SlotToInst, 2);
  EXPECT_EQ(FX_SlotToInst(3, 0, kVersion), 3);
  EXPECT_EQ(FX_SlotToInst(3, 0, kVersion), 0);
  EXPECT_EQ(FX_SlotToInst(3, 0, kVersion), 3);
  EXPECT_EQ(exports().CallCount(HostFn::SlotToInst), 3);
  exports().Reset();
  EXPECT_EQ(exports().CallCount(HostFn::SlotToInst), 0);
  EXPECT_TRUE(exports().Calls().empty());
}

TEST_F(ExportTableTest, WithoutCallLoggingCallsAreStillCountedAndFailed) {
  exports().SetCallLogging(false);
  exports().FailNthCall(HostFn::SlotToInst, 2);
  EXPECT_EQ(FX_SlotToInst(3, 0, kVersion), 3);
  EXPECT_EQ(FX_SlotToInst(3, 0, kVersion), 0);
  EXPECT_EQ(exports().CallCount(HostFn::SlotToInst), 2);
  EXPECT_TRUE(exports().Calls().empty());
  exports().Reset();  // logs again
  FX_SlotToInst(3, 0, kVersion);
  EXPECT_EQ(exports().Calls(), std::vector<HostFn>{HostFn::SlotToInst});
}

// A function the host does not implement is still exported, and answers
// what the module answers when the host lacks it.
TEST_F(ExportTableTest, UnimplementedFunctionsAnswerAsIfTheHostLackedThem) {
  struct Case {
    HostFn id;
    long long (*call)();
    long long expected;
  };
  const Case cases[] = {
      {HostFn::CountParts, [] { return static_cast<long long>(FX_CountParts(kVersion)); }, -1},
      {HostFn::GetCurrentPartID, [] { return static_cast<long long>(FX_GetCurrentPartID(kVersion)); }, -1},
      {HostFn::GetNextPartID, [] { return static_cast<long long>(FX_GetNextPartID(1, kVersion)); }, -1},
      {HostFn::GetTextEncoding, [] { return static_cast<long long>(FX_GetTextEncoding(kVersion)); }, -2},
      {HostFn::ProcessMidiData, [] { return static_cast<long long>(FX_ProcessMidiData(nullptr, kVersion)); },
       -1},
      {HostFn::GetPlaybackSystem, [] { return static_cast<long long>(FX_GetPlaybackSystem(kVersion)); }, -1},
      {HostFn::FontNameToNum, [] { return static_cast<long long>(FX_FontNameToNum(nullptr, kVersion)); }, 0},
      {HostFn::GetPartName,
       [] { return static_cast<long long>(std::string(FX_GetPartName(1, kVersion)) == " "); }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(quavix::HostFunctionName(c.id));
    EXPECT_EQ(c.call(), c.expected);
    EXPECT_EQ(exports().CallCount(c.id), 1);  // it reached the host
  }
}

}  // namespace
