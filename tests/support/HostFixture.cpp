#include "support/HostFixture.h"

#include "host/document/Session.h"

namespace qxtest {

QuavixModuleHandle TestPlatform::HandleFor(const std::string& programName) {
  // Any distinct non-null value serves; it is only compared, never used.
  static std::map<std::string, int> tokens;
  return reinterpret_cast<QuavixModuleHandle>(&tokens[programName]);
}

QuavixModuleHandle TestPlatform::FindLoadedModule(const char* moduleName) {
  moduleLookups.emplace_back(moduleName);
  for (const auto& program : loadedPrograms) {
    if (program == moduleName) return HandleFor(program);
  }
  return nullptr;
}

void* TestPlatform::FindProc(QuavixModuleHandle module, const char* procName) {
  ++procLookups[procName];
  if (module == nullptr) return nullptr;
  auto it = overrides.find(procName);
  if (it != overrides.end()) return it->second;
  return host::ExportTable::Instance().Find(procName);
}

int TestPlatform::ShowMessageBox(void* owner, const char* text, const char*, unsigned style) {
  windowCalls.push_back({std::string("MessageBoxA:") + (text ? text : ""), owner, static_cast<int>(style)});
  return messageBoxAnswer;
}

void* TestPlatform::FindDialogItem(void* dialog, int item) {
  windowCalls.push_back({"GetDlgItem", dialog, item});
  // The item's window: an address derived from the dialog and the item.
  return static_cast<char*>(dialog) + item;
}

int TestPlatform::ShowWindowItem(void* window, int command) {
  windowCalls.push_back({"ShowWindow", window, command});
  return 1;
}

void HostTest::SetUp() {
  SessionTest::SetUp();
  ResetModuleState();
  host::ExportTable::Instance().Reset();
  InstallPlatformHooks(&platform);
}

void HostTest::TearDown() {
  host::Session& session = host::Session::Current();
  EXPECT_TRUE(session.EndRun()) << ::testing::PrintToString(session.Violations());
  InstallPlatformHooks(nullptr);
  ResetModuleState();
  host::ExportTable::Instance().Reset();
  SessionTest::TearDown();
}

}  // namespace qxtest
