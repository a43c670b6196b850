// The menu command of a plug-in module built with the framework's entry
// points. Each such module defines kPluginCommand once; the entry points
// offer it to the host as the module's one menu item and run it when the
// host invokes the module. (The host's invoke call names no menu item, so a
// module offers one command.)
#pragma once

class FCMusicRegion;

struct FCPluginCommand {
  // The menu texts. At most 64 bytes of each reach the host's menu record; a
  // longer text is cut there without a terminating zero.
  const char* longName;
  const char* shortName;
  const char* description;
  // Runs the command on the region the host passes in; the region stays the
  // caller's. The framework releases nothing the command leaves behind.
  void (*run)(FCMusicRegion* region);
};

// Defined by the plug-in:
//   const FCPluginCommand kPluginCommand = {"Long name", "Short", "What it does", &Run};
extern const FCPluginCommand kPluginCommand;
