// Finding an export by library and name, as the DllCommand table does for each
// of its indexes.
#pragma once
#include <windows.h>

#include <string>

#include "runtime/base/win_handles.h"

namespace lizhi::rt {

struct ResolvedExport {
  win::Module module;  // kept loaded by the caller
  void* address = nullptr;
};

// An empty library searches the six default system libraries. Not found is
// fatal, with a message naming the export (and the library when given).
ResolvedExport ResolveExport(const std::string& library, const std::string& exportedName);

}  // namespace lizhi::rt
