// The real platform calls, one implementation per operating system.
#pragma once

#include "pdk/HostTypes.h"

namespace pdk::platform::native {

QuavixModuleHandle FindLoadedModule(const char* moduleName);
void* FindProc(QuavixModuleHandle module, const char* procName);
int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style);
void* FindDialogItem(void* dialog, int item);
int ShowWindowItem(void* window, int command);

}  // namespace pdk::platform::native
