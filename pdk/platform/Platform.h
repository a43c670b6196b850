// The window-system services the module relies on. On Windows these are the
// real module and user-interface calls; elsewhere a small layer of our own:
// the host program is the running executable, its functions are found by name
// in its dynamic symbol table, and the user-interface calls are bound from the
// host program the same way, answering what Windows answers when there is no
// window. The unit tests link a substitute for these functions instead.
#pragma once

#include "interface/HostTypes.h"

namespace pdk::platform {

// GetModuleHandleA: an already loaded module by file name, or empty.
QuavixModuleHandle FindLoadedModule(const char* moduleName);
// GetProcAddress: an exported function of a module, or null.
void* FindProc(QuavixModuleHandle module, const char* procName);
// MessageBoxA: the button chosen, or 0 when no box could be shown.
int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style);
// GetDlgItem: the window of a dialog item, or null.
void* FindDialogItem(void* dialog, int item);
// ShowWindow: whether the window was visible before.
int ShowWindowItem(void* window, int command);

}  // namespace pdk::platform
