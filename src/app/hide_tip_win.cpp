#include "app/hide_tip.h"
#include "units/tip/tip_engine_win.h"
#include "units/tip/tip_unit.h"

namespace lizhi::app {

void HideTipOf(uint32_t windowId, uint32_t unitId) {
  if (auto* engine = static_cast<tip::TipEngine*>(tip::TipEngineOf(windowId, unitId))) engine->Pop();
}

}  // namespace lizhi::app
