#include "app/display_cycle.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/core_texts.h"
#include "app/pause_commands.h"
#include "app/quiet_rules.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "runtime/commands/conversions.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {

namespace {

constexpr uint32_t kWindow = rt::kWindowUnitId;

void HideStrip(CoreHost& host) {
  host.SetInt(kWindow, prop::kVisible, 0);
  host.SetInt(kWindow, prop::kWidth, 0);
}

// Takes down whatever lizhi has on the screen while the user is in full screen.
void StepAside(CoreHost& host) {
  HideStrip(host);
  host.HideTip();
  host.HideAgent();
}

// Whether this tick shows nothing; the first tick after a quiet spell brings
// the character back. While the user is away what shows stays.
bool QuietTick(CoreHost& host) {
  const bool paused = RefreshPause(host);
  const TickQuiet rule = QuietRule(host.Attention(), ActiveAwayMinutes(host), paused);
  if (rule == TickQuiet::kStepAside) {
    GoQuiet(host);
    return true;
  }
  bool& quiet = host.Display().quiet;
  if (quiet) {
    quiet = false;
    const DisplayMode mode = CheckedMode(host);
    if (mode == DisplayMode::kAgent) host.ShowAgent();
    // The follow timer stood still while the strip was down.
    if (mode == DisplayMode::kMouseFollow) host.SetInt(data::kFollowTimer, prop::kInterval, prop::kFollowIntervalMs);
  }
  return rule == TickQuiet::kAway;
}

}  // namespace

void GoQuiet(CoreHost& host) {
  bool& quiet = host.Display().quiet;
  if (!quiet) StepAside(host);
  quiet = true;
}

DisplayMode CheckedMode(CoreHost& host) {
  if (host.IsChecked(data::kMenuMouseFollow)) return DisplayMode::kMouseFollow;
  if (host.IsChecked(data::kMenuBalloon)) return DisplayMode::kBalloon;
  if (host.IsChecked(data::kMenuAgent)) return DisplayMode::kAgent;
  return DisplayMode::kTitleBar;
}

int32_t StripWidth(std::string_view line, int32_t dpi) {
  const auto perByte = static_cast<size_t>(screen::Scale(prop::kPixelsPerByte, dpi));
  if (perByte != 0 && line.size() > static_cast<size_t>(INT32_MAX) / perByte) return INT32_MAX;
  return static_cast<int32_t>(line.size() * perByte);
}

void SizeStripForDpi(CoreHost& host, int32_t dpi) {
  host.SetInt(kWindow, prop::kHeight, screen::Scale(prop::kStripHeight, dpi));
  int32_t& sizedFor = host.Display().stripDpi;
  if (sizedFor == dpi) return;
  sizedFor = dpi;
  host.SetInt(data::kLineLabel, prop::kLeft, screen::Scale(prop::kLabelLeft, dpi));
  host.SetInt(data::kLineLabel, prop::kTop, screen::Scale(prop::kLabelTop, dpi));
  host.SetInt(data::kLineLabel, prop::kWidth, screen::Scale(prop::kLabelWidth, dpi));
  host.SetInt(data::kLineLabel, prop::kHeight, screen::Scale(prop::kLabelHeight, dpi));
  host.SetInt(data::kLineLabel, prop::kLabelFontDpi, dpi);
}

int32_t IntervalMs(std::string_view seconds) {
  double ms = std::trunc(rt::TextToNumber(seconds) * 1000.0);
  if (!(ms > INT32_MIN)) return std::isnan(ms) ? 0 : INT32_MIN;
  if (ms > INT32_MAX) return INT32_MAX;
  return static_cast<int32_t>(ms);
}

void OnDisplayTick(CoreHost& host) {
  // Edits saved since the last tick show at once.
  host.ReloadChangedText();
  // Nothing is shown, and the line does not advance, over a full-screen window,
  // in Do Not Disturb, while paused or while the user is away.
  if (QuietTick(host)) return;
  switch (CheckedMode(host)) {
    case DisplayMode::kMouseFollow: {
      const int32_t dpi = host.MonitorAt(host.Cursor()).dpi;
      SizeStripForDpi(host, dpi);
      std::string line = host.NextLine();
      host.SetText(data::kLineLabel, prop::kCaption, line);
      host.SetInt(kWindow, prop::kWidth, StripWidth(line, dpi));
      break;
    }
    case DisplayMode::kBalloon: {
      HideStrip(host);
      std::string line = host.NextLine();
      int32_t x = host.GetInt(data::kTrayIcon, prop::kIconScreenX);
      int32_t y = host.GetInt(data::kTrayIcon, prop::kIconScreenY);
      host.ShowTipAt(x, y, line);
      break;
    }
    case DisplayMode::kAgent:
      HideStrip(host);
      host.SpeakLine(host.NextLine());
      break;
    case DisplayMode::kTitleBar: {
      HideStrip(host);
      std::string previous = host.CurrentLine();
      std::string line = host.NextLine();
      host.PresentAtActiveWindow(previous, line);
      break;
    }
  }
}

void PlaceStrip(CoreHost& host) {
  if (host.GetInt(kWindow, prop::kVisible) == 0) host.SetInt(kWindow, prop::kWindowState, prop::kNormalState);
  // Sized for the monitor under the cursor and kept inside its work area.
  const CursorPoint cursor = host.Cursor();
  const MonitorSpot monitor = host.MonitorAt(cursor);
  SizeStripForDpi(host, monitor.dpi);
  // The label's text: the current line, or its template caption before the
  // first tick of this mode.
  const int32_t width = StripWidth(host.GetText(data::kLineLabel, prop::kCaption), monitor.dpi);
  host.SetInt(kWindow, prop::kWidth, width);
  host.SetInt(kWindow, prop::kAlwaysOnTop, 1);
  // Below the cursor, or above it where the work area ends too soon.
  const int64_t gap = screen::Scale(prop::kCursorGap, monitor.dpi);
  const int32_t height = screen::Scale(prop::kStripHeight, monitor.dpi);
  int64_t top = int64_t{cursor.y} + gap;
  if (top + height > monitor.work.bottom) top = int64_t{cursor.y} - gap - height;
  const screen::Point wanted{cursor.x, static_cast<int32_t>(std::clamp<int64_t>(top, INT32_MIN, INT32_MAX))};
  const screen::Point at = screen::KeepInside(wanted, width, height, monitor.work);
  host.SetInt(kWindow, prop::kLeft, at.x);
  host.SetInt(kWindow, prop::kTop, at.y);
}

void OnFollowTick(CoreHost& host) {
  if (host.Display().quiet) {
    // The strip stays down until a tick shows again, and that tick starts this
    // timer again: until then it would wake the program for nothing.
    host.SetInt(data::kFollowTimer, prop::kInterval, 0);
    return;
  }
  PlaceStrip(host);
  // Messages that arrive meanwhile (a tick, a menu command) run here.
  host.PumpingDelay(10);
  // A mode item chosen meanwhile has hidden the strip; it stays hidden.
  if (CheckedMode(host) != DisplayMode::kMouseFollow) return;
  host.SetInt(kWindow, prop::kVisible, 1);
}

void UpdateTrayTip(CoreHost& host, std::string_view title) {
  std::string& tip = host.Display().trayTip;
  tip = kTipPrefix;
  tip += title;
  tip += kTipSuffix;
  host.SetText(data::kTrayIcon, prop::kTipText, TipWithPause(tip, host.Display().pausedUntil));
}

}  // namespace lizhi::app
