#include "app/shell_actions.h"

#include <string>

#include "system/autostart.h"

namespace lizhi::app::shell_actions {

namespace {
constexpr int32_t kRegistryValue = 0;
constexpr int32_t kEditVerb = 1;
}  // namespace

bool SetAutoStart(std::string_view name, std::string_view path) { return sys::SetAutoStart(name, path, kRegistryValue); }

bool RemoveAutoStart(std::string_view name) { return sys::RemoveAutoStart(name); }

void EditFile(std::string_view path) {
  sys::ExecuteFileRequest request;
  request.verb = sys::ShellVerb(kEditVerb);
  request.file = std::string(path);
  sys::ExecuteFile(request);
}

}  // namespace lizhi::app::shell_actions
