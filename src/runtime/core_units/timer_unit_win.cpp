// The Timer unit: a Windows timer on the unit's hidden window, event 0 per tick.
#include <windows.h>

#include "runtime/core_units/core_units.h"
#include "runtime/core_units/timer_state.h"
#include "runtime/frame/unit_host.h"
#include "runtime/frame/unit_windows_win.h"
#include "runtime/template/unit_blocks.h"

namespace lizhi::rt {

namespace {

constexpr UINT_PTR kTimerId = 1000;

struct TimerUnit {
  HWND window = nullptr;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  TimerState state;
};

void Apply(TimerUnit& unit, const TimerChange& change) {
  if (change.kill) KillTimer(unit.window, kTimerId);
  if (change.set) SetTimer(unit.window, kTimerId, static_cast<UINT>(unit.state.interval), nullptr);
}

bool OnMessage(void* object, HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  auto* unit = static_cast<TimerUnit*>(object);
  if (message == WM_TIMER && wParam == kTimerId) {
    FireUnitEvent(unit->windowId, unit->unitId, 0);
    result = 0;
    return true;
  }
  if (message == WM_DESTROY && unit->state.running) {
    KillTimer(unit->window, kTimerId);
    unit->state.running = false;
  }
  return false;
}

void OnDestroyed(void* object) { delete static_cast<TimerUnit*>(object); }

void* Create(const UnitCreateParams& p) {
  auto block = DecodeTimerBlock(std::vector<uint8_t>(p.block, p.block + p.blockSize));
  if (!block) return nullptr;  // a newer block than this runtime reads
  auto* unit = new TimerUnit;
  unit->windowId = p.windowId;
  unit->unitId = p.unitId;
  unit->state.interval = block->interval;
  unit->window = CreateUnitHostWindow(p, unit, &OnMessage, &OnDestroyed);
  if (!unit->window) {
    delete unit;
    return nullptr;
  }
  Apply(*unit, TimerWindowCreated(unit->state));
  return unit;
}

void* WindowOf(void* unit) { return static_cast<TimerUnit*>(unit)->window; }

void PropertyWritten(void* object, int32_t ownIndex, int32_t, const TypedValue& value) {
  auto* unit = static_cast<TimerUnit*>(object);
  if (ownIndex != 0) return;
  Apply(*unit, WriteInterval(unit->state, IntOf(value), IsWindow(unit->window) != FALSE));
}

std::vector<uint8_t> SaveBlock(void* object) {
  return EncodeBlock(TimerBlock{static_cast<TimerUnit*>(object)->state.interval});
}

bool ReadProperty(void* object, int32_t ownIndex, TypedValue& out) {
  if (ownIndex != 0) return false;
  out = MakeInt(static_cast<TimerUnit*>(object)->state.interval);
  return true;
}

}  // namespace

const UnitType& TimerUnitType() {
  static const UnitType type{kUnitTypeTimer, "Timer",          kTypeFiresEvents, &Create,
                             &WindowOf,      &PropertyWritten, &SaveBlock,       &ReadProperty};
  return type;
}

}  // namespace lizhi::rt
