// A plug-in module loaded from a file, with its six entry points resolved.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "interface/EntryPoints.h"
#include "interface/HostRecords.h"

namespace host {

// A module that cannot be loaded or lacks an entry point.
class PluginError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PluginModule {
 public:
  // Loads the module file and resolves all six entry points; throws
  // PluginError naming the file and the missing entry point.
  explicit PluginModule(const std::string& path);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  const std::string& Path() const { return path_; }

  std::uint32_t Version(std::uint32_t hostVersion) const {
    return entry_.QuavixExtensionVersion(hostVersion);
  }
  std::int32_t Init(std::uint32_t* flags) const { return entry_.QuavixExtensionInit(0, flags); }
  std::int32_t Enumerate(std::int32_t index, EMENUITEM* item) const {
    return entry_.QuavixExtensionEnumerate(0, index, item);
  }
  std::int32_t Invoke(EREGION* region) const { return entry_.QuavixExtensionInvoke(0, 0, region, 0); }
  void Terminate() const { entry_.QuavixExtensionTerminate(0); }
  std::int32_t GetMenuStatus() const { return entry_.QuavixExtensionGetMenuStatus(0); }

 private:
  void* Resolve(const char* name);
  void Unload();

  std::string path_;
  void* handle_ = nullptr;
  // One member per entry point, named as it is exported.
  struct EntryPoints {
#define QX_ENTRY_POINT(Name, Result, Params, Bytes) quavix::entry::Name Name = nullptr;
#include "interface/EntryPoints.def"
  };
  EntryPoints entry_;
};

// The Drop 2nds module built beside the running executable.
std::string DefaultPluginPath();

}  // namespace host
