// The Q_tip unit's way out to the frame, gathered so that tests can watch the
// events it fires. The program never changes it.
#pragma once
#include <cstdint>

namespace lizhi::tip {

struct TipUnitHooks {
  intptr_t (*host)(int32_t code, intptr_t first, intptr_t second);
};

TipUnitHooks& TipHooks();
TipUnitHooks DefaultTipHooks();

}  // namespace lizhi::tip
