// The arithmetic of the delay and the box, kept apart from the platform.
#pragma once
#include <cstdint>

namespace lizhi::presenters {

// A waitable timer's relative due time in 100-nanosecond units (negative means
// relative to now): microseconds x -10, toward zero.
int64_t RelativeDueTime(int32_t microseconds);

// The box's result as handed on: the button id minus 1.
int32_t BoxResult(int32_t buttonId);

// 信息 in the local code page (GBK): the caption when none is given.
inline constexpr const char* kDefaultBoxTitle = "\xD0\xC5\xCF\xA2";

}  // namespace lizhi::presenters
