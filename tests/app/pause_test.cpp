#include "app/pause.h"

#include <gtest/gtest.h>

namespace lizhi::app {
namespace {

TEST(Pause, EachChoiceStartsAtTheMinuteAndEndsByTheClock) {
  struct Case {
    PauseChoice choice;
    LocalTime now;
    const char* from;
    const char* until;
  } cases[] = {
      {PauseChoice::kHalfHour, {2026, 12, 9, 15, 0, 45}, "2026-12-09 15:00", "2026-12-09 15:30"},
      {PauseChoice::kHalfHour, {2026, 12, 9, 23, 45, 0}, "2026-12-09 23:45", "2026-12-10 00:15"},
      {PauseChoice::kHalfHour, {2026, 12, 9, 23, 59, 59}, "2026-12-09 23:59", "2026-12-10 00:29"},
      {PauseChoice::kHour, {2026, 12, 31, 23, 59, 0}, "2026-12-31 23:59", "2027-01-01 00:59"},
      {PauseChoice::kHour, {2028, 2, 28, 23, 30, 0}, "2028-02-28 23:30", "2028-02-29 00:30"},
      {PauseChoice::kHour, {2027, 2, 28, 23, 30, 0}, "2027-02-28 23:30", "2027-03-01 00:30"},
      {PauseChoice::kUntilTomorrow, {2026, 12, 9, 15, 30, 0}, "2026-12-09 15:30", "2026-12-10 00:00"},
      {PauseChoice::kUntilTomorrow, {2026, 12, 9, 23, 59, 30}, "2026-12-09 23:59", "2026-12-10 00:00"},
      {PauseChoice::kUntilTomorrow, {2026, 12, 10, 0, 0, 0}, "2026-12-10 00:00", "2026-12-11 00:00"},
      {PauseChoice::kUntilTomorrow, {2026, 12, 31, 8, 5, 0}, "2026-12-31 08:05", "2027-01-01 00:00"},
  };
  for (const Case& c : cases) {
    PauseSpan span = SpanOf(c.choice, c.now);
    EXPECT_EQ(span.from, c.from) << c.until;
    EXPECT_EQ(span.until, c.until) << c.from;
    EXPECT_EQ(EvaluatePause(span.until, span.from, c.now), PauseState::kActive) << c.from;
    LocalTime end = *ParseStoredTime(span.until);
    EXPECT_EQ(EvaluatePause(span.until, span.from, end), PauseState::kOver) << "over by itself at " << c.until;
  }
}

TEST(Pause, PastEndsAClockMovedBackAndGarbageAreNoPause) {
  const LocalTime now{2026, 12, 9, 15, 10, 0};
  struct Case {
    const char* until;
    const char* from;
    PauseState state;
  } cases[] = {
      {"2026-12-09 15:30", "2026-12-09 15:00", PauseState::kActive},
      {"2026-12-09 15:10", "2026-12-09 14:40", PauseState::kOver},  // ends this minute
      {"2026-12-09 15:09", "2026-12-09 14:39", PauseState::kOver},
      {"2025-01-01 00:00", "2024-12-31 23:30", PauseState::kOver},
      {"2026-12-09 15:40", "2026-12-09 15:11", PauseState::kOver},  // the clock went back before its start
      {"2026-12-10 15:00", "2026-12-10 14:30", PauseState::kOver},
      {"2026-12-09 15:00", "2026-12-09 15:30", PauseState::kNone},  // an end before its start
      {"2026-12-09 15:30", "2026-12-09 15:30", PauseState::kNone},
      {"2026-12-11 00:00", "2026-12-09 15:00", PauseState::kNone},  // longer than any choice
      {"2026-12-09 15:30", "", PauseState::kNone},
      {"", "2026-12-09 15:00", PauseState::kNone},
      {"2026-12-09 15:30 ", "2026-12-09 15:00", PauseState::kNone},
      {"2026-12-9 15:30", "2026-12-09 15:00", PauseState::kNone},
      {"2026-12-09 24:00", "2026-12-09 15:00", PauseState::kNone},
      {"2026-12-09 15:60", "2026-12-09 15:00", PauseState::kNone},
      {"2026-02-29 15:30", "2026-02-29 15:00", PauseState::kNone},
      {"2026-13-09 15:30", "2026-12-09 15:00", PauseState::kNone},
      {"2026/12/09 15:30", "2026-12-09 15:00", PauseState::kNone},
      {"\xD4\xDD\xCD\xA3 12-09 15:30", "2026-12-09 15:00", PauseState::kNone},
      {"-026-12-09 15:30", "2026-12-09 15:00", PauseState::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(EvaluatePause(c.until, c.from, now), c.state) << c.until << " / " << c.from;
  EXPECT_EQ(ClockText("2026-12-09 15:30"), "15:30");
}

}  // namespace
}  // namespace lizhi::app
