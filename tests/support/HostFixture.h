// A test host reached through the module seam: the module finds "QUAVIX.EXE"
// (or whichever program the test names), and looks its functions up in the
// substitute host's export table, unless the test substitutes a function of
// its own. Every lookup is counted.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/api/ExportTable.h"
#include "seam/ModuleSeam.h"
#include "support/SessionFixture.h"

namespace qxtest {

class TestPlatform : public PlatformHooks {
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

// A session test that also gives the module fresh load-time state, a fresh
// export table and the test platform; at the end every frame the module
// borrowed must have come back, exactly once.
class HostTest : public SessionTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename Function>
  void Provide(const char* name, Function function) {
    platform.overrides[name] = reinterpret_cast<void*>(function);
  }
  host::ExportTable& exports() { return host::ExportTable::Instance(); }

  TestPlatform platform;
};

}  // namespace qxtest
