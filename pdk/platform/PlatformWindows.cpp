#include <windows.h>

#include "pdk/platform/Platform.h"

namespace pdk::platform {

QuavixModuleHandle FindLoadedModule(const char* moduleName) { return ::GetModuleHandleA(moduleName); }

void* FindProc(QuavixModuleHandle module, const char* procName) {
  return reinterpret_cast<void*>(::GetProcAddress(module, procName));
}

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
  return ::MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

void* FindDialogItem(void* dialog, int item) { return ::GetDlgItem(static_cast<HWND>(dialog), item); }

int ShowWindowItem(void* window, int command) { return ::ShowWindow(static_cast<HWND>(window), command); }

}  // namespace pdk::platform
