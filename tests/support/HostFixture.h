// A test host reached through the platform layer's testing seam: the module
// finds "QUAVIX.EXE" (or whichever program the test names), and looks its
// functions up in the substitute host's export table, unless the test
// substitutes a function of its own. Every lookup is counted.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/api/ExportTable.h"
#include "host/document/DocumentBuilder.h"
#include "host/document/Session.h"
#include "pdk/testing/PlatformHooks.h"

namespace qxtest {

class TestPlatform : public pdk::testing::PlatformHooks {
 public:
  QuavixModuleHandle FindLoadedModule(const char* moduleName) override;
  void* FindProc(QuavixModuleHandle module, const char* procName) override;
  int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style) override;
  void* FindDialogItem(void* dialog, int item) override;
  int ShowWindowItem(void* window, int command) override;

  // The program names that count as loaded; empty: no host is running.
  std::vector<std::string> loadedPrograms{"QUAVIX.EXE"};
  // Functions the test provides instead of the host's own.
  std::map<std::string, void*> overrides;

  std::vector<std::string> moduleLookups;
  std::map<std::string, int> procLookups;

  struct WindowCall {
    std::string function;
    void* window;
    int value;
  };
  std::vector<WindowCall> windowCalls;
  int messageBoxAnswer = 0;

  static QuavixModuleHandle HandleFor(const std::string& programName);
};

// Fresh module state, a fresh export table and the test platform for every
// test.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename Function>
  void Provide(const char* name, Function function) {
    platform.overrides[name] = reinterpret_cast<void*>(function);
  }
  host::ExportTable& exports() { return host::ExportTable::Instance(); }
  void Open(const host::DocumentBuilder& builder) { host::Session::Current().Open(builder.Build()); }
  host::Document& document() { return host::Session::Current().document(); }

  TestPlatform platform;
};

}  // namespace qxtest
