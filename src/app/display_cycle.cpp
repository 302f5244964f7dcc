#include "app/display_cycle.h"

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

int32_t StripWidth(std::string_view line) {
  size_t width = line.size() * prop::kPixelsPerByte;
  return width > INT32_MAX ? INT32_MAX : static_cast<int32_t>(width);
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
      host.SetInt(kWindow, prop::kHeight, prop::kStripHeight);
      std::string line = host.NextLine();
      host.SetText(data::kLineLabel, prop::kCaption, line);
      host.SetInt(kWindow, prop::kWidth, StripWidth(line));
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
  host.SetInt(kWindow, prop::kHeight, prop::kStripHeight);
  // The label's text: the current line, or its template caption before the
  // first tick of this mode.
  host.SetInt(kWindow, prop::kWidth, StripWidth(host.GetText(data::kLineLabel, prop::kCaption)));
  host.SetInt(kWindow, prop::kAlwaysOnTop, 1);
  CursorPoint cursor = host.Cursor();
  host.SetInt(kWindow, prop::kLeft, cursor.x);
  host.SetInt(kWindow, prop::kTop, cursor.y + prop::kCursorGap);
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
