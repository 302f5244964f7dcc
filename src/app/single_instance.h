// One running lizhi per program directory: a second start (autostart plus a
// double click) must not add a second tray icon and a second writer of
// setup.ini. It asks the running one to pop up its tray menu and ends.
#pragma once
#include <string>
#include <string_view>

namespace lizhi::app {

// The name both starts agree on for a program directory: a hash of its
// upper-cased path, since a name cannot hold "\". Letters inside double-byte
// characters are left alone.
std::string InstanceName(std::string_view programDirectory);

}  // namespace lizhi::app
