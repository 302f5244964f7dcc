#include "runtime/base/runtime_state.h"

namespace lizhi::rt {

RuntimeState& Runtime() {
  static RuntimeState state;
  return state;
}

void SplitModulePath(const std::string& path, std::string& directory, std::string& name) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos) {
    directory.clear();
    name = path;
  } else {
    directory = path.substr(0, slash);
    name = path.substr(slash + 1);
  }
}

}  // namespace lizhi::rt
