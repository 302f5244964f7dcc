// Bringing tray icons back when the taskbar is re-created (Explorer restarted).
// The shell announces that with the registered message "TaskbarCreated", sent
// only to top-level windows, so the first tray icon's top-level window gets
// its window procedure replaced by a filter that re-adds every live tray icon
// and then passes each message on unchanged. The list of live icons is
// process-wide; when the last one goes, the previous procedure is put back.
#pragma once
#include <windows.h>

#include <cstddef>

namespace lizhi::tray {

using ReAddIcon = void (*)(void* instance);

// The registered number of "TaskbarCreated".
UINT TaskbarCreatedMessage();

// Adds an instance to the end of the list; installs the filter on the
// top-level window of `unitWindow` when no filter is installed.
void ListTrayInstance(void* instance, HWND unitWindow, ReAddIcon reAdd);
// Takes an instance out; with the last one the filter is removed.
void UnlistTrayInstance(void* instance);

size_t TrayInstanceCount();
// Calls `action` with every listed instance, in list order.
void ForEachTrayInstance(void (*action)(void* instance));
// The window whose procedure the filter replaced, or null.
HWND FilteredWindow();

}  // namespace lizhi::tray
