// Takes down a balloon tip unit's tip at once, as a click elsewhere does.
#pragma once
#include <cstdint>

namespace lizhi::app {

void HideTipOf(uint32_t windowId, uint32_t unitId);

}  // namespace lizhi::app
