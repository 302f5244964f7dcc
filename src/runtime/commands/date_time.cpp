#include "runtime/commands/date_time.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "runtime/commands/command_texts.h"

namespace lizhi::rt {

namespace {

constexpr int64_t kDaysFrom1899To1970 = 25569;

}  // namespace

// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's method).
void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

double ClampDateTime(double days) {
  if (std::isnan(days)) return 0;
  if (days < kEarliestDate) return kEarliestDate;
  if (days > kLatestDate) return kLatestDate;
  return days;
}

CivilDateTime SplitDateTime(double days) {
  days = ClampDateTime(days);
  // Before 1899-12-30 the whole part still counts days back while the fraction
  // counts the time forward (-1.25 is 1899-12-29 06:00).
  double whole = std::trunc(days);
  int64_t seconds = std::llround(std::fabs(days - whole) * 86400.0);
  int64_t day = static_cast<int64_t>(whole);
  if (seconds >= 86400) {
    seconds -= 86400;
    day += 1;
  }
  CivilDateTime t{};
  CivilFromDays(day - kDaysFrom1899To1970, t.year, t.month, t.day);
  t.hour = static_cast<int>(seconds / 3600);
  t.minute = static_cast<int>(seconds / 60 % 60);
  t.second = static_cast<int>(seconds % 60);
  return t;
}

std::string FormatDateTime(double days) {
  CivilDateTime t = SplitDateTime(days);
  char buffer[96];
  int n = std::snprintf(buffer, sizeof buffer, "%d%s%d%s%d%s", t.year, text::kYear, t.month, text::kMonth, t.day,
                        text::kDay);
  std::string out(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  if (t.second != 0) {
    n = std::snprintf(buffer, sizeof buffer, "%d%s%d%s%d%s", t.hour, text::kHour, t.minute, text::kMinute, t.second,
                      text::kSecond);
  } else if (t.minute != 0) {
    n = std::snprintf(buffer, sizeof buffer, "%d%s%d%s", t.hour, text::kHour, t.minute, text::kMinute);
  } else if (t.hour != 0) {
    n = std::snprintf(buffer, sizeof buffer, "%d%s", t.hour, text::kHour);
  } else {
    n = 0;
  }
  out.append(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace lizhi::rt
