#include "runtime/commands/message_box.h"
#include "runtime/commands/stand_ins_native.h"

namespace lizhi::rt {

namespace {
int32_t g_answer = 1;  // IDOK
}

void native::SetMessageBoxAnswer(int32_t buttonId) { g_answer = buttonId; }

std::vector<native::MessageBoxCall>& native::MessageBoxCalls() {
  static std::vector<MessageBoxCall> calls;
  return calls;
}

int32_t SystemMessageBox(const std::string& text, const std::string& caption, uint32_t style) {
  native::MessageBoxCalls().push_back({text, caption, style});
  return g_answer;
}

}  // namespace lizhi::rt
