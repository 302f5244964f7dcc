// Date-time values: a double counting days from 1899-12-30 (the fraction is the
// time of day), as the runtime stores them.
#pragma once
#include <cstdint>
#include <string>

namespace lizhi::rt {

constexpr double kEarliestDate = -657434;  // 100-01-01
constexpr double kLatestDate = 2958465;    // 9999-12-31

struct CivilDateTime {
  int year, month, day, hour, minute, second;
};

// The calendar date and time of a value, to the nearest second; values outside
// 100-01-01 .. 9999-12-31 (and not-a-number) are clamped into it first.
CivilDateTime SplitDateTime(double days);
// A date-time value clamped into the supported range; not-a-number becomes 0.
double ClampDateTime(double days);

// "2024年5月6日", followed by the time down to its last non-zero part:
// "…7时8分9秒", "…7时8分", "…7时" or nothing at midnight. GBK bytes.
std::string FormatDateTime(double days);

// Days since 1970-01-01 to a proleptic Gregorian date.
void CivilFromDays(int64_t z, int& year, int& month, int& day);

}  // namespace lizhi::rt
