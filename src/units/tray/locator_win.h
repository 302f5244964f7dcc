// The Windows side of the tray icon locator: the notification area's
// rectangle, the black probe icon swapped in and out, and one capture of the
// screen scanned in memory.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "units/tray/locator.h"

namespace lizhi::tray {

struct FoundArea {
  ScreenRect rect;
  HWND window = nullptr;  // null when there is no taskbar
};

// The taskbar's "TrayNotifyWnd" child, else the taskbar itself, else the
// 40 x 20 bottom-right corner of the screen.
FoundArea FindNotificationArea(const char* taskbarClass);

// The taskbar's rectangle, where there is a visible taskbar.
std::optional<ScreenRect> TaskbarRect(const char* taskbarClass);

// One screen capture over the rows and columns the scan reads, then the scan.
std::optional<ScreenPoint> CaptureAndScan(const ScreenRect& area);

// The process's probe icon, made on first use and kept until the process ends.
HICON ProbeIcon();

OsVersion CurrentOsVersion();

class ShellLocatorPlatform : public LocatorPlatform {
 public:
  // The last record added to (or updated in) the notification area.
  void Hold(const NOTIFYICONDATAA& record) { held_ = record; }

  int64_t Now() override;
  ScreenRect NotificationArea() override;
  std::optional<ScreenPoint> Probe(const ScreenRect& area) override;

 private:
  NOTIFYICONDATAA held_{};
  HWND areaWindow_ = nullptr;
};

}  // namespace lizhi::tray
