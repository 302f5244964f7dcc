#include "units/tip/tip_state.h"

#include <algorithm>

namespace lizhi::tip {

TipTool ResolveTool(const TipTool& tool, const TipTool& defaults) {
  TipTool out = tool;
  if (!(tool.mask & kMaskSpare)) out.spare = defaults.spare;
  if (!(tool.mask & kMaskEffect)) {
    out.effect = defaults.effect;
    out.granularity = defaults.granularity;
  }
  if (!(tool.mask & kMaskColours)) std::copy(std::begin(defaults.colours), std::end(defaults.colours), out.colours);
  if (!(tool.mask & kMaskPlacement)) out.placement = defaults.placement;
  if (!(tool.mask & kMaskStyle)) out.style = defaults.style;
  if (!(tool.mask & kMaskTransparency)) out.transparency = defaults.transparency;
  out.granularity &= 0xFF;
  out.transparency = std::clamp(out.transparency & 0xFF, 0, 100);
  return out;
}

void TipMachine::RequestShow(const TipTool& tool, TipPoint point, bool delayed) {
  Request(tool, point, delayed, false);
}

void TipMachine::ShowHelpTip(const std::string& text, TipPoint point, bool keepAutoHide) {
  TipTool tool;
  tool.text = text;
  tool.mask = kMaskStyle;
  tool.style = settings.defaults.style | (keepAutoHide ? 0 : kStyleNoAutoHide);
  Request(tool, point, false, true);
}

void TipMachine::Request(const TipTool& tool, TipPoint point, bool delayed, bool help) {
  if (state_ == TipState::kAppearing || state_ == TipState::kShown) HideStep();
  pending_ = tool;
  point_ = point;
  helpMode_ = help;
  if (state_ == TipState::kDisappearing) {
    // Shown when the fade-out ends.
    queued_ = true;
    queuedDelayed_ = delayed;
    return;
  }
  if (delayed && settings.initialDelay != 0) {
    platform_.StartTimer(kTimerShow, settings.initialDelay);
  } else {
    ShowStep();
  }
}

void TipMachine::OnTimer(int32_t id) {
  switch (id) {
    case kTimerShow:
      return ShowStep();
    case kTimerHide:
      return HideStep();
    case kTimerFadeIn:
      return FadeInStep();
    case kTimerFadeOut:
      return FadeOutStep();
    default:
      return;
  }
}

void TipMachine::ShowStep() {
  platform_.StopTimer(kTimerShow);
  TipPoint at = helpMode_ ? point_ : platform_.Cursor();
  if (at != point_) {
    if (state_ != TipState::kHidden) HideStep();
    return;
  }
  if (state_ != TipState::kHidden) return;
  state_ = TipState::kAppearing;
  shown_ = ResolveTool(pending_, settings.defaults);
  const bool fade = settings.fadeInEnabled && settings.fadeInStep != 0;
  transparency_ = fade ? 100 : shown_.transparency;
  if (!platform_.BuildAndShow(shown_, point_, transparency_)) {
    state_ = TipState::kHidden;
    helpMode_ = false;
    return;
  }
  if (fade) {
    platform_.StartTimer(kTimerFadeIn, settings.fadeInStep);
  } else {
    state_ = TipState::kShown;
    StartAutoHide();
  }
}

void TipMachine::StartAutoHide() {
  if (settings.autoHideDelay != 0 && !(shown_.style & kStyleNoAutoHide)) {
    platform_.StartTimer(kTimerHide, settings.autoHideDelay);
  }
}

void TipMachine::HideStep() {
  platform_.StopTimer(kTimerShow);
  platform_.StopTimer(kTimerFadeIn);
  platform_.StopTimer(kTimerHide);
  if (state_ == TipState::kDisappearing || state_ == TipState::kHidden) return;
  state_ = TipState::kDisappearing;
  if (settings.fadeOutEnabled && settings.fadeOutStep != 0) {
    platform_.StartTimer(kTimerFadeOut, settings.fadeOutStep);
  } else {
    transparency_ = 100;
    FadeOutStep();
  }
  platform_.PostClosed();
}

void TipMachine::FadeInStep() {
  transparency_ = std::max(0, transparency_ - kFadeStep);
  if (shown_.transparency >= transparency_) {
    transparency_ = shown_.transparency;
    platform_.StopTimer(kTimerFadeIn);
    state_ = TipState::kShown;
    StartAutoHide();
  }
  platform_.Repaint(transparency_);
}

void TipMachine::FadeOutStep() {
  transparency_ = transparency_ >= 100 - kFadeStep ? 100 : transparency_ + kFadeStep;
  if (transparency_ < 100) {
    platform_.Repaint(transparency_);
    return;
  }
  platform_.StopTimer(kTimerFadeOut);
  platform_.HideWindow();
  state_ = TipState::kHidden;
  if (!queued_) {
    helpMode_ = false;
    return;
  }
  queued_ = false;
  if (queuedDelayed_ && settings.initialDelay != 0) {
    platform_.StartTimer(kTimerShow, settings.initialDelay);
  } else {
    ShowStep();
  }
}

void TipMachine::StopAll() {
  for (int32_t id : {kTimerShow, kTimerHide, kTimerFadeIn, kTimerFadeOut}) platform_.StopTimer(id);
}

void TipMachine::Pop() {
  state_ = TipState::kHidden;
  helpMode_ = false;
  queued_ = false;
  StopAll();
  if (!platform_.WindowVisible()) return;
  platform_.PostClosed();
  if (shown_.style & kStyleNoHideOnMove) shown_ = TipTool{};
  platform_.HideWindow();
}

void TipMachine::OnMouseMove(TipPoint cursor, bool overTip) {
  if (helpMode_ || cursor == lastMove_) return;
  lastMove_ = cursor;
  if (state_ == TipState::kHidden) return;
  if (overTip && !(shown_.style & kStyleTrackMouse)) {
    if (!(shown_.style & kStyleKeepOverTip)) return HideStep();
    if (state_ == TipState::kShown) {
      platform_.StopTimer(kTimerHide);
      StartAutoHide();
    }
    return;
  }
  // Tools are not registered on windows by this program's units, so no tool
  // lies under the cursor: the tip goes.
  HideStep();
}

}  // namespace lizhi::tip
