// Whether the user is in full screen (a presentation, a film, a game), when a
// reminder must not paint over their work.
#pragma once
#include <cstdint>

namespace lizhi::app {

struct ScreenRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// What the foreground window looks like.
struct ForegroundFacts {
  bool exists = false;
  bool isShell = false;  // the desktop, the taskbar or another window of the shell
  bool hasCaption = false;
  bool maximised = false;
  ScreenRect window;
  ScreenRect monitor;  // the whole monitor it is on, not the work area
};

// A window without a caption that covers exactly its monitor; never the
// shell's own windows, never a maximised window.
bool IsFullScreenWindow(const ForegroundFacts& facts);

// The shell's notification states (SHQueryUserNotificationState) that mean
// the user is busy in full screen, presenting, or running a full-screen
// Direct3D program.
bool ShellSaysBusy(int32_t notificationState);

// The shell's notification state; tests put a fake in its place.
using NotificationStateQuery = int32_t (*)();
// The foreground window is full screen, or the shell says the user is busy.
// Windows only.
bool UserInFullScreen(NotificationStateQuery query);
int32_t ShellNotificationState();

}  // namespace lizhi::app
