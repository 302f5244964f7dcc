// TrayIconLocator: where the tray icon is on the screen. It remembers the last
// position found and probes again only when that is older than the mode
// allows; when a probe fails it gives a guess from the notification area's
// rectangle. The platform part (finding the area, swapping in the black icon,
// reading the screen, the clock) is handed in, so the rules here are portable.
#pragma once
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>

#include "units/tray/probe_scan.h"

namespace lizhi::tray {

class LocatorPlatform {
 public:
  virtual ~LocatorPlatform() = default;
  virtual int64_t Now() = 0;  // seconds of the C time function
  // The notification area, or the 40 x 20 corner of the screen when there is
  // no taskbar.
  virtual ScreenRect NotificationArea() = 0;
  // Shows the probe icon, scans `area`, puts the real icon back.
  virtual std::optional<ScreenPoint> Probe(const ScreenRect& area) = 0;
};

enum class LocateStatus { kUnknown, kFound, kNotFound };

struct LocateResult {
  LocateStatus status = LocateStatus::kUnknown;
  ScreenPoint position;  // meaningful for kFound and kNotFound
};

struct OsVersion {
  uint32_t platformId = 0;  // 2: Windows NT
  uint32_t major = 0;
};

// 2000-01-01 01:01:01 local time: old enough that the next query probes.
int64_t LongAgo();

class TrayIconLocator {
 public:
  static constexpr int kDefaultMode = 3;

  explicit TrayIconLocator(OsVersion version = {}) : version_(version) {}

  // The owner and identifier of the last record added to the notification
  // area; until one is handed over the position is unknown.
  void SetRecordIdentity(uintptr_t owner, intptr_t id) {
    owner_ = owner;
    id_ = id;
  }
  bool HasRecord() const { return owner_ != 0 && id_ != -1; }
  void ForgetProbeTime() { lastProbe_ = LongAgo(); }

  // mode 0 is the default mode; 1, 2 and 3 probe again when the last probe is
  // older than 60, 30 and 10 seconds; any other mode never probes again.
  LocateResult Locate(int mode, LocatorPlatform& platform);

  const ScreenRect& area() const { return area_; }
  int64_t lastProbe() const { return lastProbe_; }

 private:
  ScreenPoint Guess(const ScreenRect& area) const;

  OsVersion version_;
  uintptr_t owner_ = 0;
  intptr_t id_ = -1;
  ScreenRect area_;
  ScreenPoint cached_;
  int64_t lastProbe_ = LongAgo();
};

// Where the balloon should point for the shell's rectangle of the icon. An
// icon in the overflow area (where Windows 11 puts new icons) has a rectangle
// off the taskbar, or in a hidden window: then the notification area's corner
// nearest the overflow button stands in, a 12-pixel-wide strip at its left.
// Without a taskbar the shell's rectangle is taken as it is.
ScreenRect VisibleIconRect(const ScreenRect& icon, const std::optional<ScreenRect>& taskbar,
                           const ScreenRect& notificationArea);

// The IconScreenX / IconScreenY reads of one tray icon. The shell is asked
// first (Shell_NotifyIconGetRect, Windows 7 and later) and the centre of its
// rectangle used; only when it cannot tell does the locator probe, which
// blinks the icon black. One answer serves both coordinates: the Y read that
// directly follows an X read takes the X read's point.
class IconPositionReads {
 public:
  using ShellRect = std::function<std::optional<ScreenRect>()>;
  using Locate = std::function<LocateResult()>;

  // `known`: the icon was ever added (else both coordinates are 0).
  int32_t Read(bool wantX, bool known, const ShellRect& shellRect, const Locate& locate);
  // Anything else the unit does between two reads.
  void Interrupt() { pending_.reset(); }

 private:
  std::optional<ScreenPoint> pending_;  // the last X read's point, for the Y read after it
};

}  // namespace lizhi::tray
