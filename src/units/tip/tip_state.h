// The tip engine's rules, free of windows: the TipTool record, the TipState
// machine with its four timers (256 show, 257 hide, 258 fade-in step, 259
// fade-out step), the show request with its queue, pop, and what a relayed
// message does. The window side (timers, building, painting) is a TipPlatform.
#pragma once
#include <cstdint>
#include <string>

#include "units/tip/tip_layout.h"

namespace lizhi::tip {

enum TipTimer : int32_t { kTimerShow = 256, kTimerHide = 257, kTimerFadeIn = 258, kTimerFadeOut = 259 };
enum class TipState : int32_t { kHidden = 0, kAppearing = 1, kShown = 2, kDisappearing = 3 };

// TipStyle bits.
enum TipStyleBit : int32_t {
  kStyleNoHideOnMove = 1,
  kStyleTrackMouse = 2,
  kStyleResetDelayOnMove = 4,
  kStyleKeepOverTip = 8,
  kStyleNoAutoHide = 0x10,
};
// Which TipTool fields a tool supplies; the others come from the defaults.
enum TipToolMask : uint32_t {
  kMaskSpare = 1,
  kMaskEffect = 2,
  kMaskColours = 4,
  kMaskPlacement = 8,
  kMaskStyle = 0x10,
  kMaskTransparency = 0x20,
};

constexpr int32_t kFadeStep = 20;

struct TipTool {
  uintptr_t window = 0;  // owning window (HWND), may be none
  TipRect rect;
  std::string text;
  uint32_t mask = 0;
  int32_t spare = 0;
  int32_t placement = 16;
  int32_t effect = 0;
  int32_t style = 0;
  int32_t granularity = 0;   // low 8 bits
  int32_t transparency = 0;  // percent
  uint32_t colours[3] = {};
};

// What the engine applies to every tool that does not say otherwise, and its
// timing. The built-in values are the engine's own, before a unit applies its
// properties.
struct TipSettings {
  TipTool defaults{0, {}, {}, 0, 0, 16, 0, 0, 0, 0, {}};
  int32_t initialDelay = 500;
  int32_t autoHideDelay = 5000;
  int32_t fadeInStep = 0;
  int32_t fadeOutStep = 0;
  bool fadeInEnabled = true;
  bool fadeOutEnabled = true;
};

// `tool` with every field its mask does not supply taken from `defaults`.
TipTool ResolveTool(const TipTool& tool, const TipTool& defaults);

class TipPlatform {
 public:
  virtual ~TipPlatform() = default;
  virtual void StartTimer(int32_t id, int32_t ms) = 0;
  virtual void StopTimer(int32_t id) = 0;
  virtual TipPoint Cursor() = 0;
  // Builds the window for `tool` at `point` and shows it at `transparency`;
  // false when the show is cancelled (empty text, or the notification window
  // refused it).
  virtual bool BuildAndShow(const TipTool& tool, TipPoint point, int32_t transparency) = 0;
  virtual void Repaint(int32_t transparency) = 0;
  virtual bool WindowVisible() = 0;
  virtual void HideWindow() = 0;
  // Posts the closed message (0x8D2, 1) to the notification window.
  virtual void PostClosed() = 0;
};

class TipMachine {
 public:
  explicit TipMachine(TipPlatform& platform) : platform_(platform) {}

  TipSettings settings;

  // A request to show `tool` at `point`; `delayed` waits the initial delay.
  void RequestShow(const TipTool& tool, TipPoint point, bool delayed);
  // ShowTipAt: at once, in help-tip mode; keep-auto-hide 0 adds style 0x10.
  void ShowHelpTip(const std::string& text, TipPoint point, bool keepAutoHide);
  void OnTimer(int32_t id);
  // Immediate hide.
  void Pop();
  // A relayed mouse move to `cursor`; `overTip` when it is over the tip window.
  void OnMouseMove(TipPoint cursor, bool overTip);

  TipState state() const { return state_; }
  int32_t transparency() const { return transparency_; }
  bool helpMode() const { return helpMode_; }
  bool queued() const { return queued_; }
  const TipTool& shown() const { return shown_; }

 private:
  void Request(const TipTool& tool, TipPoint point, bool delayed, bool help);
  void ShowStep();
  void HideStep();
  void FadeInStep();
  void FadeOutStep();
  void StartAutoHide();
  void StopAll();

  TipPlatform& platform_;
  TipState state_ = TipState::kHidden;
  int32_t transparency_ = 0;
  TipPoint point_;
  TipPoint lastMove_{-1, -1};
  TipTool pending_;
  TipTool shown_;
  bool helpMode_ = false;
  bool queued_ = false;
  bool queuedDelayed_ = false;
};

}  // namespace lizhi::tip
