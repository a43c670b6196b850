#include <dlfcn.h>

#include "pdk/platform/Platform.h"

namespace pdk::platform {
namespace {

// The running executable is the host program, whatever its file name.
void* HostProgram() {
  static void* const program = ::dlopen(nullptr, RTLD_NOW);
  return program;
}

// A window-system function exported by the host program, looked up once.
template <typename Function>
Function HostWindowFunction(const char* name) {
  return reinterpret_cast<Function>(::dlsym(HostProgram(), name));
}

}  // namespace

QuavixModuleHandle FindLoadedModule(const char*) { return HostProgram(); }

void* FindProc(QuavixModuleHandle module, const char* procName) {
  // An empty handle finds nothing (dlsym would read it as "search everywhere").
  return module == nullptr ? nullptr : ::dlsym(module, procName);
}

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
  using Function = int (*)(void*, const char*, const char*, unsigned);
  static const Function messageBox = HostWindowFunction<Function>("MessageBoxA");
  return messageBox ? messageBox(owner, text, caption, style) : 0;
}

void* FindDialogItem(void* dialog, int item) {
  using Function = void* (*)(void*, int);
  static const Function getDlgItem = HostWindowFunction<Function>("GetDlgItem");
  return getDlgItem ? getDlgItem(dialog, item) : nullptr;
}

int ShowWindowItem(void* window, int command) {
  using Function = int (*)(void*, int);
  static const Function showWindow = HostWindowFunction<Function>("ShowWindow");
  return showWindow ? showWindow(window, command) : 0;
}

}  // namespace pdk::platform
