#include "units/tray/locator.h"

#include <utility>

namespace lizhi::tray {

namespace {

// Maximum age in seconds of the cached position, by mode; other modes keep it.
struct ModeAge {
  int mode;
  int64_t maxAge;
};
constexpr ModeAge kModeAges[] = {{1, 60}, {2, 30}, {3, 10}};

bool ProbeDue(int mode, int64_t age) {
  for (const ModeAge& row : kModeAges) {
    if (row.mode == mode) return age > row.maxAge;
  }
  return false;
}

}  // namespace

int64_t LongAgo() {
  std::tm when{};
  when.tm_year = 2000 - 1900;
  when.tm_mon = 0;
  when.tm_mday = 1;
  when.tm_hour = 1;
  when.tm_min = 1;
  when.tm_sec = 1;
  when.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&when));
}

LocateResult TrayIconLocator::Locate(int mode, LocatorPlatform& platform) {
  if (!HasRecord()) return {};
  if (mode == 0) mode = kDefaultMode;

  int64_t age = platform.Now() - lastProbe_;
  if (age < 0) age = -age;
  if (!ProbeDue(mode, age)) return {LocateStatus::kFound, cached_};

  area_ = platform.NotificationArea();
  if (std::optional<ScreenPoint> found = platform.Probe(area_)) {
    cached_ = *found;
    lastProbe_ = platform.Now();
    return {LocateStatus::kFound, cached_};
  }
  return {LocateStatus::kNotFound, Guess(area_)};
}

ScreenPoint TrayIconLocator::Guess(const ScreenRect& area) const {
  ScreenPoint centre{static_cast<int32_t>((int64_t{area.left} + area.right) / 2),
                     static_cast<int32_t>((int64_t{area.top} + area.bottom) / 2)};
  // From Windows 2000 on the icons sit at the left of the notification area.
  if (version_.platformId == 2 && version_.major >= 5) centre.x = area.left + 6;
  return centre;
}

ScreenRect VisibleIconRect(const ScreenRect& icon, const std::optional<ScreenRect>& taskbar,
                           const ScreenRect& notificationArea) {
  constexpr int32_t kCornerWidth = 12;
  if (!taskbar) return icon;
  const bool onTaskbar = icon.left < taskbar->right && icon.right > taskbar->left && icon.top < taskbar->bottom &&
                         icon.bottom > taskbar->top && icon.right > icon.left && icon.bottom > icon.top;
  if (onTaskbar) return icon;
  return {notificationArea.left, notificationArea.top, notificationArea.left + kCornerWidth, notificationArea.bottom};
}

int32_t IconPositionReads::Read(bool wantX, bool known, const ShellRect& shellRect, const Locate& locate) {
  std::optional<ScreenPoint> paired = std::exchange(pending_, std::nullopt);
  if (!wantX && paired) return paired->y;
  if (!known) return 0;
  ScreenPoint point;
  if (std::optional<ScreenRect> rect = shellRect()) {
    point = {static_cast<int32_t>((int64_t{rect->left} + rect->right) / 2),
             static_cast<int32_t>((int64_t{rect->top} + rect->bottom) / 2)};
  } else {
    LocateResult result = locate();
    if (result.status == LocateStatus::kUnknown) return 0;
    point = result.position;
  }
  if (wantX) pending_ = point;
  return wantX ? point.x : point.y;
}

}  // namespace lizhi::tray
