// quavix-host: a headless substitute for the notation program, which loads a
// plug-in module and drives its entry points.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "host/document/DocumentBuilder.h"
#include "host/document/Session.h"
#include "host/plugin/PluginModule.h"
#include "interface/HostTypes.h"
#if defined(QX_HAVE_MUSICXML)
#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/MusicXmlWriter.h"
#include "host/musicxml/MxlArchive.h"
#include "host/musicxml/ScoreDump.h"
#endif

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

#if defined(QX_HAVE_MUSICXML)
// An entry's pitches as the summary shows them: " C4 E4 G4", or " rest".
void PrintPitches(const std::vector<std::string>& pitches) {
  if (pitches.empty()) std::cout << " rest";
  for (const std::string& pitch : pitches) std::cout << ' ' << pitch;
}

// What the user asked for on the command line.
struct InvokeOptions {
  std::string pluginPath;
  std::string input;
  std::string output;
  std::string measures;  // "A-B", empty: all
  std::string staves;    // "A-B" by slot, empty: all
  std::int32_t startPosition = 0;
  std::int32_t endPosition = quavix::kEndOfMeasure;
  std::string hiddenLayers;  // "L[,L...]", 1 to 4 as a user counts them
  std::string hostVersion;   // hexadecimal, empty: the interface version
  bool quiet = false;
};

// "A-B" (or "A") within 1..last; throws CLI::ValidationError.
std::pair<int, int> ParseRange(const std::string& text, int last, const char* what) {
  if (text.empty()) return {1, last};
  int first = 0, second = 0;
  char dash = 0, extra = 0;
  const int read = std::sscanf(text.c_str(), "%d%c%d%c", &first, &dash, &second, &extra);
  if (read == 1) second = first;
  if (!(read == 1 || (read == 3 && dash == '-')) || first < 1 || second < first || second > last) {
    throw CLI::ValidationError(std::string("--") + what,
                               "expected A-B with 1 <= A <= B <= " + std::to_string(last) + ", got " + text);
  }
  return {first, second};
}

// "L[,L...]" with each L from 1 to 4; throws CLI::ValidationError.
std::vector<int> ParseLayers(const std::string& text) {
  std::vector<int> layers;
  std::size_t at = 0;
  while (!text.empty() && at <= text.size()) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    const std::string item = text.substr(at, comma - at);
    if (item.size() != 1 || item[0] < '1' || item[0] > '4') {
      throw CLI::ValidationError("--hidden-layers",
                                 "expected layers 1 to 4 separated by commas, got " + text);
    }
    layers.push_back(item[0] - '0');
    at = comma + 1;
  }
  return layers;
}

int RunInvoke(const InvokeOptions& options) {
  using namespace host::musicxml;
  ImportedScore score;
  ReadMusicXmlFile(options.input, score);
  host::Document& document = score.document;
  const auto [firstMeasure, lastMeasure] = ParseRange(options.measures, document.MeasureCount(), "measures");
  const auto [firstSlot, lastSlot] = ParseRange(options.staves, document.StaffCount(), "staves");
  for (int layer : ParseLayers(options.hiddenLayers)) document.SetLayerShown(layer - 1, false);
  EREGION region = host::MakeRegion(firstSlot, firstMeasure, lastSlot, lastMeasure, options.startPosition,
                                    options.endPosition);
  document.SetSelection(region);

  std::uint32_t hostVersion = quavix::kInterfaceVersion;
  if (!options.hostVersion.empty())
    hostVersion = static_cast<std::uint32_t>(std::stoul(options.hostVersion, nullptr, 16));

  host::PluginModule plugin(options.pluginPath);
  host::Session& session = host::Session::Current();
  session.Open(std::move(score.document));
  plugin.Version(hostVersion);
  std::uint32_t flags = 0;
  plugin.Init(&flags);
  plugin.Invoke(&region);
  plugin.Terminate();
  if (!session.EndRun()) {
    std::cerr << "quavix-host: the plug-in broke the host's contract; nothing was written:\n";
    for (const std::string& violation : session.Violations()) std::cerr << "  " << violation << '\n';
    return kExitPlugin;
  }
  score.document = std::move(session.document());
  const WrittenScore written = WriteChanges(score, options.input);
  if (IsMxlPath(options.output)) {
    WriteMxl(options.output, options.input, written.text);
  } else {
    WriteFileAtomically(options.output, written.text);
  }
  if (!options.quiet) {
    for (const EntryChange& change : written.changes) {
      std::cout << "measure " << change.measure << ", staff " << change.staffId << ", layer "
                << change.layer + 1 << ", position " << change.position << ":";
      PrintPitches(change.before);
      std::cout << " ->";
      PrintPitches(change.after);
      std::cout << '\n';
    }
    for (const std::string& change : written.recordChanges) std::cout << change << '\n';
    std::cout << written.changes.size() << (written.changes.size() == 1 ? " entry" : " entries")
              << " changed, written to " << options.output << '\n';
  }
  return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Headless notation host: loads a plug-in module and runs it."};
  app.require_subcommand(1);
  std::string pluginPath = host::DefaultPluginPath();

  CLI::App* menu = app.add_subcommand("menu", "List the menu items the plug-in offers");
  menu->add_option("--plugin", pluginPath,
                   "Plug-in module file (default: the Drop 2nds module beside this program)");

#if defined(QX_HAVE_MUSICXML)
  InvokeOptions invokeOptions;
  CLI::App* invoke = app.add_subcommand("invoke", "Run the plug-in's command on a MusicXML score");
  invoke->add_option("--plugin", invokeOptions.pluginPath,
                     "Plug-in module file (default: the Drop 2nds module beside this program)");
  invoke->add_option("--measures", invokeOptions.measures, "Measures A-B of the region (default: all)");
  invoke->add_option("--staves", invokeOptions.staves, "Staff slots A-B of the region (default: all)");
  invoke
      ->add_option("--start-pos", invokeOptions.startPosition, "Start position in the first measure, in EDU")
      ->check(CLI::NonNegativeNumber);
  invoke->add_option("--end-pos", invokeOptions.endPosition, "End position in the last measure, in EDU")
      ->check(CLI::NonNegativeNumber);
  invoke->add_option("--hidden-layers", invokeOptions.hiddenLayers,
                     "Layers 1 to 4 that are hidden: L[,L...]");
  invoke
      ->add_option("--host-version", invokeOptions.hostVersion,
                   "Host version for the handshake, hexadecimal (default 0F000200)")
      ->check([](const std::string& text) {
        return !text.empty() && text.size() <= 10 &&
                       text.find_first_not_of("0123456789abcdefABCDEFxX") == std::string::npos
                   ? std::string()
                   : std::string("a hexadecimal version such as 0F000200");
      });
  invoke->add_flag("--quiet", invokeOptions.quiet, "Print nothing on success");
  invoke->add_option("INPUT", invokeOptions.input, "MusicXML score")->required();
  invoke->add_option("-o,--output", invokeOptions.output, "Where to write the result")->required();

  std::string dumpInput;
  bool dumpJson = false;
  CLI::App* dump = app.add_subcommand("dump", "Show the host's document as read from a MusicXML score");
  dump->add_flag("--json", dumpJson, "As JSON");
  dump->add_option("INPUT", dumpInput, "MusicXML score")->required();
#else
  // Without the MusicXML libraries (the Windows cross build) the commands
  // that read scores still exist, and say why they cannot run.
  CLI::App* invoke = app.add_subcommand("invoke", "Not in this build: it reads no MusicXML");
  CLI::App* dump = app.add_subcommand("dump", "Not in this build: it reads no MusicXML");
  invoke->allow_extras();
  dump->allow_extras();
#endif

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : kExitUsage;
  }

  try {
    if (menu->parsed()) return RunMenu(pluginPath);
#if defined(QX_HAVE_MUSICXML)
    if (invoke->parsed()) {
      if (invokeOptions.pluginPath.empty()) invokeOptions.pluginPath = pluginPath;
      return RunInvoke(invokeOptions);
    }
    if (dump->parsed()) {
      host::musicxml::ImportedScore score;
      host::musicxml::ReadMusicXmlFile(dumpInput, score);
      if (dumpJson) {
        host::musicxml::DumpJson(score, std::cout);
      } else {
        host::musicxml::DumpText(score, std::cout);
      }
      return 0;
    }
#else
    if (invoke->parsed() || dump->parsed()) {
      std::cerr << "quavix-host: this build of quavix-host reads no MusicXML (it was built without pugixml "
                   "and libzip)\n";
      return kExitUsage;
    }
#endif
  } catch (const host::PluginError& error) {
    std::cerr << "quavix-host: " << error.what() << '\n';
    return kExitPlugin;
#if defined(QX_HAVE_MUSICXML)
  } catch (const host::musicxml::MusicXmlError& error) {
    std::cerr << "quavix-host: " << error.what() << '\n';
    return kExitUsage;
  } catch (const CLI::ValidationError& error) {
    std::cerr << "quavix-host: " << error.what() << '\n';
    return kExitUsage;
#endif
  }
  return kExitUsage;
}
