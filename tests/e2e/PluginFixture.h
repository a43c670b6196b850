// A test program that acts as the host: it exports the FX_ functions, and
// each test loads a built plug-in file afresh, so the module's bindings start
// empty every time. At the end every frame the module borrowed must have
// come back, exactly once.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "host/api/ExportTable.h"
#include "host/plugin/PluginModule.h"
#include "support/SessionFixture.h"

namespace qxtest {

class PluginTest : public SessionTest {
 protected:
  // The environment variable that names the plug-in file.
  explicit PluginTest(const char* pathVariable) : pathVariable_(pathVariable) {}

  void SetUp() override {
    SessionTest::SetUp();
    host::ExportTable::Instance().Reset();
    const char* path = std::getenv(pathVariable_);
    ASSERT_NE(path, nullptr) << pathVariable_ << " names the plug-in file";
    plugin = std::make_unique<host::PluginModule>(path);
    ASSERT_EQ(plugin->Version(kVersion), kVersion);
  }
  void TearDown() override {
    plugin.reset();
    EXPECT_TRUE(session().EndRun()) << ::testing::PrintToString(session().Violations());
    host::ExportTable::Instance().Reset();
    SessionTest::TearDown();
  }

  void Invoke(EREGION region) { EXPECT_EQ(plugin->Invoke(&region), 1); }
  const EXENTRY& Entry(int staff, int measure, int layer, int index) {
    return document().Entries(staff, measure, layer)[static_cast<std::size_t>(index)];
  }
  static std::vector<short> Displacements(const EXENTRY& entry) {
    std::vector<short> result;
    for (int i = 0; i < entry.noteCount; ++i) result.push_back(entry.notes[i].displacement);
    return result;
  }

  std::unique_ptr<host::PluginModule> plugin;

 private:
  const char* pathVariable_;
};

}  // namespace qxtest
