#include "runtime/commands/stand_ins_native.h"
#include "runtime/input_box/input_box.h"

namespace lizhi::rt {

namespace {
std::optional<std::string> g_answer;
int32_t g_lastMode = 0;
}  // namespace

void native::SetInputBoxAnswer(std::optional<std::string> typed) { g_answer = std::move(typed); }
int32_t native::LastInputBoxMode() { return g_lastMode; }

// No dialog on Linux: the answer set by the test, Cancel when there is none.
bool RunInputBox(const InputBoxRequest& request, std::string& typed) {
  g_lastMode = request.mode;
  if (!g_answer) return false;
  typed = *g_answer;
  return true;
}

}  // namespace lizhi::rt
