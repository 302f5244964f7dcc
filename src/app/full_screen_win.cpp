#include <windows.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "app/full_screen.h"

namespace lizhi::app {

namespace {

ScreenRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The desktop and the shell's own windows, which cover the screen without
// being anyone's full-screen work.
bool IsShellWindow(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd"})
    if (std::strcmp(name, shell) == 0) return true;
  return false;
}

ForegroundFacts FactsOf(HWND window) {
  ForegroundFacts facts;
  RECT r;
  if (!window || !IsWindowVisible(window) || !GetWindowRect(window, &r)) return facts;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return facts;
  facts.exists = true;
  facts.isShell = IsShellWindow(window);
  facts.hasCaption = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  facts.maximised = IsZoomed(window) != FALSE;
  facts.window = ToRect(r);
  facts.monitor = ToRect(monitor.rcMonitor);
  return facts;
}

}  // namespace

int32_t ShellNotificationState() {
  // Looked up by name: shell32 has it from Windows Vista on only.
  using Query = HRESULT(WINAPI*)(int*);
  static const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState")));
  int state = 0;
  if (!query || FAILED(query(&state))) return 0;
  return state;
}

int32_t FocusAssistProfile() {
  // WNF_SHEL_QUIETHOURS_ACTIVE_PROFILE_CHANGED. ntdll exports the query from
  // Windows 8 on; the state itself exists from Windows 10 1803 on.
  constexpr uint64_t kQuietHoursProfile = 0x0D83063EA3BF1C75ULL;
  using Query = LONG(NTAPI*)(const uint64_t* stateName, const void* typeId, const void* explicitScope,
                             ULONG* changeStamp, void* buffer, ULONG* bufferSize);
  static const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryWnfStateData")));
  if (!query) return 0;
  int32_t profile = 0;
  ULONG stamp = 0, size = sizeof profile;
  if (query(&kQuietHoursProfile, nullptr, nullptr, &stamp, &profile, &size) < 0 || size != sizeof profile) return 0;
  return profile;
}

AttentionFacts ReadAttention(NotificationStateQuery notificationState, FocusAssistQuery focusAssist) {
  AttentionFacts facts;
  facts.fullScreenWindow = IsFullScreenWindow(FactsOf(GetForegroundWindow()));
  facts.notificationState = notificationState ? notificationState() : 0;
  facts.focusAssist = focusAssist ? focusAssist() : 0;
  LASTINPUTINFO input{};
  input.cbSize = sizeof input;
  // Unsigned difference of tick counts: the wrap after 49 days is harmless.
  if (GetLastInputInfo(&input)) facts.idleMs = GetTickCount() - input.dwTime;
  return facts;
}

bool UserInFullScreen(NotificationStateQuery query) {
  if (IsFullScreenWindow(FactsOf(GetForegroundWindow()))) return true;
  return query && ShellSaysBusy(query());
}

}  // namespace lizhi::app
