// What the application's end-to-end tests see of the desktop: a window of known
// place to be the foreground, screen pixels, the program's dialog boxes, its
// menu commands and its settings file.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/base/win_handles.h"
#include "support/pump_win.h"
#include "support/screen_win.h"

namespace lizhi::test {

// A plain white top-level window, shown and brought to the foreground.
class ForegroundWindow {
 public:
  ForegroundWindow(int left, int top, int width, int height, DWORD style = WS_OVERLAPPEDWINDOW);
  ~ForegroundWindow();
  ForegroundWindow(const ForegroundWindow&) = delete;
  ForegroundWindow& operator=(const ForegroundWindow&) = delete;
  HWND handle() const { return window_.get(); }

 private:
  win::Window window_;
};

// Pixels of a screen rectangle that satisfy `match` (colour 0x00RRGGBB).
int CountScreenPixels(const RECT& area, const std::function<bool(COLORREF rgb)>& match);
bool IsYellow(COLORREF rgb);

// A visible dialog box (#32770) of the process, or null after `ms`.
HWND WaitForDialogOf(DWORD pid, DWORD ms);
// Presses the dialog's button with that id (IDOK, IDCANCEL).
void PressDialogButton(HWND dialog, int buttonId);
// Presses again until the dialog has gone (at most a few times).
void PressDialogButtonUntilGone(HWND dialog, int buttonId);

// The tray menu's commands by record position, as the frame numbers them.
enum MenuRecord : int {
  kTitleBarItem = 1,
  kMouseFollowItem = 2,
  kBalloonItem = 3,
  kAgentItem = 4,
  kRandomItem = 6,
  kSequentialItem = 7,
  kIntervalItem = 9,
  kPauseHalfHourItem = 11,
  kPauseHourItem = 12,
  kPauseUntilTomorrowItem = 13,
  kResumeItem = 14,
  kAwayItem = 16,
  kMusicItem = 17,
  kLoadTextItem = 22,
  kEditTextItem = 23,
  kAutoStartItem = 25,
  kAboutItem = 26,
  kExitItem = 27,
};
void PostMenuCommand(HWND startupWindow, MenuRecord record);

// A real left click at a screen point, as the user's mouse gives it.
void ClickAt(int x, int y);

// A key of section "lz" in the settings file; `fallback` when missing.
std::string ReadLzKey(const std::string& iniPath, const char* key, const char* fallback = "<none>");
void WriteLzKey(const std::string& iniPath, const char* key, const char* value);

}  // namespace lizhi::test
