#include "framework/core/QuavixHost.h"

#include "pdk/binding/HostFunctions.h"

#include "support/HostFixture.h"

namespace {

using QuavixHostTest = qxtest::HostTest;
using qxtest::TestPlatform;

TEST_F(QuavixHostTest, RunningVersionIsTheInterfaceVersionUntilTheHandshake) {
  EXPECT_EQ(RunningQuavixVersion, 0x0F000200u);
  SetQuavixFrameworkVersion(0x1A000000);
  EXPECT_EQ(RunningQuavixVersion, 0x1A000000u);
  SetQuavixFrameworkVersion(0);
  EXPECT_EQ(RunningQuavixVersion, 0u);
}

TEST_F(QuavixHostTest, HostHandleIsLookedUpOnceAndKept) {
  struct Case {
    std::vector<std::string> loaded;
    std::vector<std::string> asked;
    const char* found;  // null: empty handle
  };
  const Case cases[] = {
      {{"QUAVIX.EXE"}, {"QUAVIX.EXE"}, "QUAVIX.EXE"},
      {{"QUAVIX.EXE", "QUADEMO.EXE"}, {"QUAVIX.EXE"}, "QUAVIX.EXE"},
      {{"QUADEMO.EXE"}, {"QUAVIX.EXE", "QUADEMO.EXE"}, "QUADEMO.EXE"},
      {{}, {"QUAVIX.EXE", "QUADEMO.EXE"}, nullptr},
  };
  for (const Case& c : cases) {
    pdk::testing::ResetModuleState();
    platform.loadedPrograms = c.loaded;
    platform.moduleLookups.clear();
    const QuavixModuleHandle expected = c.found ? TestPlatform::HandleFor(c.found) : nullptr;
    EXPECT_EQ(GetQuavixHandle(), expected);
    // A host program that appears later is not looked for again.
    platform.loadedPrograms = {"QUAVIX.EXE"};
    EXPECT_EQ(GetQuavixHandle(), expected);
    EXPECT_EQ(platform.moduleLookups, c.asked);
  }
}

}  // namespace

namespace {

// Without the testing seam: the real platform layer. A test program is not
// a host program, so nothing is found and the fixed results apply.
TEST(RealPlatformTest, TestProgramIsNoHostAndWrappersUseTheirFixedResults) {
  pdk::testing::ResetModuleState();
#if defined(_WIN32)
  EXPECT_EQ(GetQuavixHandle(), nullptr);  // neither QUAVIX.EXE nor QUADEMO.EXE is running
#endif
  EXPECT_EQ(FX_GetMaxLayers(0x0F000200), 4);
  EXPECT_EQ(FX_GetTextEncoding(0x0F000200), -2);
  EXPECT_EQ(FX_LoadTGF(0, 1, 1, 0, 1, 0x0F000200), nullptr);  // required, and safe
  pdk::testing::ResetModuleState();
}

}  // namespace
