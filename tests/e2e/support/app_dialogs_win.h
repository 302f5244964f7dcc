// Driving the program's dialogs and reading its windows from outside, as a
// user's hands and eyes would: the input box, the open-file dialog and the
// mouse-follow strip's line.
#pragma once
#include <windows.h>

#include <string>

namespace lizhi::test {

// A window's text through WM_GETTEXT, which reaches other processes.
std::string TextOfWindow(HWND window);
// The line shown in the start-up window's label (the mouse-follow strip).
std::string StripLine(HWND startupWindow);

// The input box's edit field, or null when `dialog` is no input box.
HWND InputBoxEdit(HWND dialog);
// Types `text` over the edit's selected contents, key by key.
void TypeInto(HWND edit, const std::string& text);

// The open-file dialog's file-name field, or null.
HWND FileNameField(HWND dialog);
// Puts `path` into the file-name field and presses Open; false when the
// dialog has no file-name field.
bool ChooseFile(HWND dialog, const std::string& path);

}  // namespace lizhi::test
