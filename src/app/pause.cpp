#include "app/pause.h"

#include <cstdio>

#include "runtime/commands/date_time.h"

namespace lizhi::app {

namespace {

constexpr int64_t kMinutesPerDay = 24 * 60;

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int32_t DaysInMonth(int32_t year, int32_t month) {
  static constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

LocalTime CivilFromDays(int64_t z) {
  LocalTime t;
  int year = 0, month = 0, day = 0;
  rt::CivilFromDays(z, year, month, day);
  t.year = year;
  t.month = month;
  t.day = day;
  return t;
}

int64_t MinuteOf(const LocalTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * kMinutesPerDay + t.hour * 60 + t.minute;
}

LocalTime AtMinute(int64_t minute) {
  const int64_t days = minute >= 0 ? minute / kMinutesPerDay : (minute - kMinutesPerDay + 1) / kMinutesPerDay;
  LocalTime t = CivilFromDays(days);
  const int64_t inDay = minute - days * kMinutesPerDay;
  t.hour = static_cast<int32_t>(inDay / 60);
  t.minute = static_cast<int32_t>(inDay % 60);
  return t;
}

std::optional<int32_t> Digits(std::string_view text, size_t at, size_t count) {
  int32_t value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::optional<LocalTime> ParseStoredTime(std::string_view text) {
  // yyyy-mm-dd hh:mm
  if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') return std::nullopt;
  auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2);
  if (!year || !month || !day || !hour || !minute) return std::nullopt;
  if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
  if (*hour > 23 || *minute > 59) return std::nullopt;
  return LocalTime{*year, *month, *day, *hour, *minute, 0};
}

std::string StoredTimeText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", static_cast<int>(t.year), static_cast<int>(t.month),
                static_cast<int>(t.day), static_cast<int>(t.hour), static_cast<int>(t.minute));
  return text;
}

std::string ClockText(std::string_view stored) {
  return stored.size() == 16 ? std::string(stored.substr(11)) : std::string();
}

PauseSpan SpanOf(PauseChoice choice, const LocalTime& now) {
  const int64_t start = MinuteOf(now);
  int64_t end = start;
  switch (choice) {
    case PauseChoice::kHalfHour:
      end = start + 30;
      break;
    case PauseChoice::kHour:
      end = start + 60;
      break;
    case PauseChoice::kUntilTomorrow:
      end = (DaysFromCivil(now.year, now.month, now.day) + 1) * kMinutesPerDay;
      break;
  }
  return {StoredTimeText(AtMinute(start)), StoredTimeText(AtMinute(end))};
}

PauseState EvaluatePause(std::string_view until, std::string_view from, const LocalTime& now) {
  auto end = ParseStoredTime(until), start = ParseStoredTime(from);
  if (!end || !start) return PauseState::kNone;
  const int64_t endMinute = MinuteOf(*end), startMinute = MinuteOf(*start);
  if (endMinute <= startMinute || endMinute - startMinute > kMinutesPerDay) return PauseState::kNone;
  // Compared to the second: a pause ends at the first second of its end minute.
  const int64_t nowSecond = MinuteOf(now) * 60 + now.second;
  if (nowSecond < startMinute * 60 || nowSecond >= endMinute * 60) return PauseState::kOver;
  return PauseState::kActive;
}

}  // namespace lizhi::app
