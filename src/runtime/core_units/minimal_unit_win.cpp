#include <windows.h>

#include <cstring>

#include "runtime/core_units/minimal_unit.h"
#include "runtime/frame/unit_windows_win.h"

namespace lizhi::rt {

namespace {

struct MinimalUnit {
  HWND window = nullptr;
  std::vector<uint8_t> block;
};

void OnDestroyed(void* object) { delete static_cast<MinimalUnit*>(object); }

void* Create(const UnitCreateParams& p) {
  auto* unit = new MinimalUnit;
  unit->block.assign(p.block, p.block + p.blockSize);
  unit->window = CreateUnitHostWindow(p, unit, nullptr, &OnDestroyed);
  if (!unit->window) {
    delete unit;
    return nullptr;
  }
  return unit;
}

void* WindowOf(void* unit) { return static_cast<MinimalUnit*>(unit)->window; }

std::vector<uint8_t> SaveBlock(void* unit) { return static_cast<MinimalUnit*>(unit)->block; }

}  // namespace

UnitType MakeMinimalUnitType(uint32_t typeId, const char* name) {
  return UnitType{typeId, name, 0, &Create, &WindowOf, nullptr, &SaveBlock, nullptr};
}

}  // namespace lizhi::rt
