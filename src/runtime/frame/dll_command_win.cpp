#include <windows.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>

#include "runtime/base/fatal.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/base/win_handles.h"
#include "runtime/frame/dll_command.h"
#include "runtime/frame/dll_resolver_win.h"

namespace lizhi::rt {

namespace {

// Searched in this order for a name with no library. Loaded from the system
// directory only: the program directory is the current directory, and a DLL
// planted beside the program must never be picked up.
constexpr const char* kDefaultLibraries[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                             "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

struct CacheSlot {
  win::Module module;
  FARPROC address = nullptr;
};
std::array<CacheSlot, kDllCommandCount> g_cache;

win::Module LoadSystemLibrary(const char* name) {
  win::Module module(LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (module) return module;
  // Systems without the search flags (Windows 7 before KB2533623): the full path.
  char path[MAX_PATH];
  UINT n = GetSystemDirectoryA(path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH - 20) return {};
  std::string full = std::string(path, n) + "\\" + name;
  return win::Module(LoadLibraryExA(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

FARPROC Lookup(HMODULE module, const std::string& exportedName) {
  int32_t ordinal = DllOrdinal(exportedName);
  if (ordinal >= 0) return GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
  return GetProcAddress(module, exportedName.c_str());
}

}  // namespace

ResolvedExport ResolveExport(const std::string& library, const std::string& exportedName) {
  ResolvedExport out;
  if (library.empty()) {
    for (const char* name : kDefaultLibraries) {
      win::Module module = LoadSystemLibrary(name);
      if (!module) continue;
      if (FARPROC address = Lookup(module.get(), exportedName)) {
        out.module = std::move(module);
        out.address = reinterpret_cast<void*>(address);
        return out;
      }
    }
  } else {
    win::Module module(LoadLibraryA(library.c_str()));
    if (module) {
      if (FARPROC address = Lookup(module.get(), exportedName)) {
        out.module = std::move(module);
        out.address = reinterpret_cast<void*>(address);
        return out;
      }
    }
  }
  char message[512];
  if (library.empty()) {
    std::snprintf(message, sizeof message, text::kDllExportMissing, exportedName.c_str());
  } else {
    std::snprintf(message, sizeof message, text::kDllLibraryExportMissing, library.c_str(), exportedName.c_str());
  }
  FatalRuntimeError(message);
}

void* ResolveDllCommand(int index) {
  if (index < 0 || index >= kDllCommandCount) return nullptr;
  CacheSlot& slot = g_cache[index];
  if (!slot.address) {
    ResolvedExport found = ResolveExport("", DllCommandName(index));
    slot.module = std::move(found.module);
    slot.address = reinterpret_cast<FARPROC>(found.address);
  }
  return reinterpret_cast<void*>(slot.address);
}

void ReleaseDllCommands() {
  for (CacheSlot& slot : g_cache) {
    slot.module.reset();
    slot.address = nullptr;
  }
}

}  // namespace lizhi::rt
