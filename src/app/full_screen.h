// Whether the user is in full screen (a presentation, a film, a game) or has
// asked Windows not to be disturbed, when a reminder must not paint over their
// work; and how long they have been away from mouse and keyboard.
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

// Windows 10 and 11 keep the Do Not Disturb / Focus Assist profile in the
// notification facility: 0 off, 1 priority only, 2 alarms only.
bool FocusAssistSaysQuiet(int32_t profile);
// The profile; tests put a fake in its place.
using FocusAssistQuery = int32_t (*)();
// Read from ntdll, looked up at run time; 0 where the call is missing (Windows
// 7 and 8, Wine) or fails. Windows only.
int32_t FocusAssistProfile();

// What Windows tells of the user's attention at one moment.
struct AttentionFacts {
  bool fullScreenWindow = false;
  int32_t notificationState = 0;  // the shell's, 0 when unknown
  int32_t focusAssist = 0;
  uint32_t idleMs = 0;  // since the last input of mouse or keyboard
};
// Windows only.
AttentionFacts ReadAttention(NotificationStateQuery notificationState, FocusAssistQuery focusAssist);

}  // namespace lizhi::app
