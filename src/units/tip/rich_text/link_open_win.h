// Opens the address of a clicked tip link in the browser.
#pragma once
#include <string>

namespace lizhi::tip {

// Opens http:, https: and mailto: addresses only (anything else does
// nothing): with the shell first, then with the ".htm" class's open command,
// the address passed quoted as one argument. False when nothing was opened.
bool OpenAddress(const std::string& target);

}  // namespace lizhi::tip
