#include "app/shell_link.h"

namespace lizhi::app::shell_link {

// The system commands are not linked in yet: nothing is registered, so the
// tray menu's mark stays clear.
bool SetAutoStart(std::string_view, std::string_view) { return false; }
bool RemoveAutoStart(std::string_view) { return false; }
void EditFile(std::string_view) {}

}  // namespace lizhi::app::shell_link
