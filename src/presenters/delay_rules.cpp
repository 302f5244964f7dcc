#include "presenters/delay_rules.h"

namespace lizhi::presenters {

int64_t RelativeDueTime(int32_t microseconds) {
  // Exact for every 32-bit input, the same as the double-precision reckoning.
  return int64_t{microseconds} * -10;
}

int32_t BoxResult(int32_t buttonId) { return static_cast<int32_t>(int64_t{buttonId} - 1); }

}  // namespace lizhi::presenters
