// A pause of the reminder, chosen from the tray menu: stored in the settings
// file as its start ("pausefrom") and its end ("pause") in local time, written
// "2026-12-09 15:30" so a person can read it, and always over by itself.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lizhi::app {

// A local wall-clock time.
struct LocalTime {
  int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

enum class PauseChoice { kHalfHour, kHour, kUntilTomorrow };

// The stored texts of a pause chosen at `now`: it starts at the minute of
// `now`; "until tomorrow" ends at the next 00:00.
struct PauseSpan {
  std::string from;
  std::string until;
};
PauseSpan SpanOf(PauseChoice choice, const LocalTime& now);

enum class PauseState {
  kNone,    // nothing readable stored: not paused, the values are left alone
  kActive,  // from <= now < until
  kOver,    // a readable pause that no longer holds: its end has passed, or the
            // clock was moved back before its start
};
// An unreadable value, an end not after its start, or a span longer than a day
// (no choice gives one) is kNone.
PauseState EvaluatePause(std::string_view until, std::string_view from, const LocalTime& now);

// "yyyy-mm-dd hh:mm" exactly, with a real date; seconds are 0.
std::optional<LocalTime> ParseStoredTime(std::string_view text);
std::string StoredTimeText(const LocalTime& time);
// "hh:mm" of a stored time, for the tray tip.
std::string ClockText(std::string_view stored);

// The local time now. Windows only.
LocalTime LocalNow();

}  // namespace lizhi::app
