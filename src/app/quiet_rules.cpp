#include "app/quiet_rules.h"

namespace lizhi::app {

namespace {
constexpr int32_t kMaxAwayMinutes = 24 * 60;
constexpr uint32_t kMsPerMinute = 60 * 1000;
}  // namespace

TickQuiet QuietRule(const AttentionFacts& facts, int32_t awayMinutes, bool paused) {
  if (paused || facts.fullScreenWindow || ShellSaysBusy(facts.notificationState) ||
      FocusAssistSaysQuiet(facts.focusAssist))
    return TickQuiet::kStepAside;
  if (awayMinutes > 0 && facts.idleMs >= static_cast<uint32_t>(awayMinutes) * kMsPerMinute) return TickQuiet::kAway;
  return TickQuiet::kShow;
}

int32_t AwayMinutes(std::string_view stored) {
  if (stored.empty()) return 0;
  int32_t minutes = 0;
  for (char c : stored) {
    if (c < '0' || c > '9') return 0;
    // A day at most, so the milliseconds fit in the idle time's 32 bits.
    minutes = minutes * 10 + (c - '0');
    if (minutes > kMaxAwayMinutes) minutes = kMaxAwayMinutes;
  }
  return minutes;
}

}  // namespace lizhi::app
