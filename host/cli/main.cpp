// quavix-host: a headless substitute for the notation program, which loads a
// plug-in module and drives its entry points.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <string>

#include "host/plugin/PluginModule.h"
#include "interface/HostTypes.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitPlugin = 3;
// A module that keeps offering items is broken; stop listing after this many.
constexpr int kMaxMenuItems = 256;

// Prints a fixed-length text field: its bytes up to the first zero byte, or
// all of them when the field has no terminator.
void PrintField(const char* label, const char* field, std::size_t size) {
  std::size_t length = 0;
  while (length < size && field[length] != '\0') ++length;
  std::cout << "  " << label << ": ";
  std::cout.write(field, static_cast<std::streamsize>(length));
  std::cout << '\n';
}

int RunMenu(const std::string& pluginPath) {
  host::PluginModule plugin(pluginPath);
  const std::uint32_t answered = plugin.Version(quavix::kInterfaceVersion);
  std::uint32_t initFlags = 0;
  const std::int32_t initResult = plugin.Init(&initFlags);
  std::printf("plug-in: %s\n", plugin.Path().c_str());
  std::printf("version: 0x%08X\n", static_cast<unsigned>(answered));
  std::printf("init: %d, flags 0x%08X\n", static_cast<int>(initResult), static_cast<unsigned>(initFlags));
  std::fflush(stdout);
  int index = 0;
  for (; index < kMaxMenuItems; ++index) {
    EMENUITEM item{};
    if (plugin.Enumerate(index, &item) == 0) break;
    std::cout << "menu item " << index << ":\n";
    PrintField("long name", item.longName, sizeof item.longName);
    PrintField("short name", item.shortName, sizeof item.shortName);
    PrintField("description", item.description, sizeof item.description);
  }
  std::cout << "menu items: " << index << '\n';
  std::cout << "menu status: " << plugin.GetMenuStatus() << '\n';
  plugin.Terminate();
  if (index == kMaxMenuItems) {
    std::cerr << "quavix-host: the plug-in offers more than " << kMaxMenuItems << " menu items\n";
    return kExitPlugin;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Headless notation host: loads a plug-in module and runs it."};
  app.require_subcommand(1);
  std::string pluginPath = host::DefaultPluginPath();

  CLI::App* menu = app.add_subcommand("menu", "List the menu items the plug-in offers");
  menu->add_option("--plugin", pluginPath,
                   "Plug-in module file (default: the Drop 2nds module beside this program)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : kExitUsage;
  }

  try {
    if (menu->parsed()) return RunMenu(pluginPath);
  } catch (const host::PluginError& error) {
    std::cerr << "quavix-host: " << error.what() << '\n';
    return kExitPlugin;
  }
  return kExitUsage;
}
