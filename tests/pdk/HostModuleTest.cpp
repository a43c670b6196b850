#include "pdk/binding/HostModule.h"

#include "support/HostFixture.h"

namespace {

using HostModuleTest = qxtest::HostTest;
using qxtest::TestPlatform;

TEST_F(HostModuleTest, RunningVersionIsTheInterfaceVersionUntilTheHandshake) {
  EXPECT_EQ(RunningQuavixVersion, 0x0F000200u);
  SetQuavixFrameworkVersion(0x1A000000);
  EXPECT_EQ(RunningQuavixVersion, 0x1A000000u);
  SetQuavixFrameworkVersion(0);
  EXPECT_EQ(RunningQuavixVersion, 0u);
}

TEST_F(HostModuleTest, HostHandleIsLookedUpOnceAndKept) {
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
    qxtest::ResetModuleState();
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
