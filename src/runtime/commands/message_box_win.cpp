#include <windows.h>

#include "runtime/commands/message_box.h"

namespace lizhi::rt {

int32_t SystemMessageBox(const std::string& text, const std::string& caption, uint32_t style) {
  return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

}  // namespace lizhi::rt
