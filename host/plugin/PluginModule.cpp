#include "host/plugin/PluginModule.h"

#include <filesystem>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace host {
namespace {

std::string LastLoadError() {
#if defined(_WIN32)
  return "Windows error " + std::to_string(::GetLastError());
#else
  const char* message = ::dlerror();
  return message ? message : "unknown error";
#endif
}

template <typename Function>
void Assign(Function& target, void* address) {
  target = reinterpret_cast<Function>(address);
}

}  // namespace

PluginModule::PluginModule(const std::string& path) : path_(path) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) {
    throw PluginError("plug-in module not found: " + path);
  }
  // An explicit path, so the loader does not search its library path.
  const std::string absolute = std::filesystem::absolute(path, ignored).string();
#if defined(_WIN32)
  handle_ = reinterpret_cast<void*>(::LoadLibraryA(absolute.c_str()));
#else
  handle_ = ::dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
  if (handle_ == nullptr) {
    throw PluginError("cannot load plug-in module " + path + ": " + LastLoadError());
  }
  try {
    // In the order of the entry point table, so the first one missing is
    // the one named.
#define QX_ENTRY_POINT(Name, Result, Params, Bytes) Assign(entry_.Name, Resolve(#Name));
#include "interface/EntryPoints.def"
  } catch (...) {
    Unload();
    throw;
  }
}

PluginModule::~PluginModule() { Unload(); }

void PluginModule::Unload() {
  if (handle_ == nullptr) return;
#if defined(_WIN32)
  ::FreeLibrary(static_cast<HMODULE>(handle_));
#else
  ::dlclose(handle_);
#endif
  handle_ = nullptr;
}

void* PluginModule::Resolve(const char* name) {
#if defined(_WIN32)
  void* address = reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
  void* address = ::dlsym(handle_, name);
#endif
  if (address == nullptr) {
    throw PluginError("plug-in module " + path_ + " does not export the entry point " + name);
  }
  return address;
}

std::string DefaultPluginPath() {
#if defined(_WIN32)
  char buffer[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::filesystem::path exe(std::string(buffer, length));
  return (exe.parent_path() / "drop2nds.dll").string();
#else
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "libdrop2nds.so";
  return (exe.parent_path() / "libdrop2nds.so").string();
#endif
}

}  // namespace host
