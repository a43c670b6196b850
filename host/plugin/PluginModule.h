// A plug-in module loaded from a file, with its six entry points resolved.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "pdk/HostTypes.h"
#include "pdk/records/HostRecords.h"

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

  std::uint32_t Version(std::uint32_t hostVersion) const { return version_(hostVersion); }
  std::int32_t Init(std::uint32_t* flags) const { return init_(0, flags); }
  std::int32_t Enumerate(std::int32_t index, EMENUITEM* item) const { return enumerate_(0, index, item); }
  std::int32_t Invoke(EREGION* region) const { return invoke_(0, 0, region, 0); }
  void Terminate() const { terminate_(0); }
  std::int32_t GetMenuStatus() const { return menuStatus_(0); }

 private:
  void* Resolve(const char* name);
  void Unload();

  std::string path_;
  void* handle_ = nullptr;
  std::uint32_t(QXAPI* version_)(std::uint32_t) = nullptr;
  std::int32_t(QXAPI* init_)(std::int32_t, std::uint32_t*) = nullptr;
  std::int32_t(QXAPI* enumerate_)(std::int32_t, std::int32_t, EMENUITEM*) = nullptr;
  std::int32_t(QXAPI* invoke_)(std::int32_t, std::int32_t, EREGION*, std::int32_t) = nullptr;
  void(QXAPI* terminate_)(std::int32_t) = nullptr;
  std::int32_t(QXAPI* menuStatus_)(std::int32_t) = nullptr;
};

// The Drop 2nds module built beside the running executable.
std::string DefaultPluginPath();

}  // namespace host
