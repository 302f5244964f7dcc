#include <vector>

#include "runtime/frame/unit_type.h"

namespace lizhi::rt {

namespace {
// Every type the program has registered: the core library's first, then the
// program's own (the window and menu items are the frame's own).
std::vector<const UnitType*>& RegisteredTypes() {
  static std::vector<const UnitType*> types;
  return types;
}
}  // namespace

void RegisterUnitTypes(std::span<const UnitType* const> types) {
  for (const UnitType* type : types) {
    if (type && !FindUnitType(type->typeId)) RegisteredTypes().push_back(type);
  }
}

const UnitType* FindUnitType(uint32_t typeId) {
  for (const UnitType* type : RegisteredTypes()) {
    if (type->typeId == typeId) return type;
  }
  return nullptr;
}

}  // namespace lizhi::rt
