// The tray icon's ways out to the frame and the shell, gathered so that tests
// and benchmarks can watch them or point them elsewhere. The program never
// changes them.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <optional>

#include "units/tray/probe_scan.h"

namespace lizhi::tray {

struct TrayIconHooks {
  // The frame's unit host callback (events, destruction).
  intptr_t (*host)(int32_t code, intptr_t first, intptr_t second);
  BOOL(WINAPI* shellNotify)(DWORD message, PNOTIFYICONDATAA record);
  // The taskbar's window class; the notification area is its child "TrayNotifyWnd".
  const char* taskbarClass;
  // Reads the screen over the notification area and finds the probe icon.
  std::optional<ScreenPoint> (*scanArea)(const ScreenRect& area);
  // The icon's rectangle as the shell knows it (Shell_NotifyIconGetRect);
  // nothing where the shell cannot tell.
  std::optional<ScreenRect> (*iconRect)(HWND owner, UINT id);
  // A refused add is tried again this often, this many times: a program started
  // with the session often runs before the notification area exists.
  UINT addRetryMs;
  int addRetryCount;
};

// Shell_NotifyIconGetRect where shell32 has it (Windows 7 and later).
std::optional<ScreenRect> ShellIconRect(HWND owner, UINT id);

TrayIconHooks& TrayHooks();
// What the program uses.
TrayIconHooks DefaultTrayHooks();

}  // namespace lizhi::tray
