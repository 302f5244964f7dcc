// One calling form for the commands of the support libraries and for the
// methods of their unit types: an owner, a command or method index, and the
// arguments as typed values. A unit method's first argument is the unit.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

// A unit as an argument: its window id, unit id and unit type id.
constexpr TypedValue UnitValue(uint32_t windowId, uint32_t unitId, uint32_t typeId) {
  return {windowId, unitId, typeId};
}

// The owner of a support library's own commands. Unit type numbers start at
// 1, so this names no unit type.
constexpr uint32_t LibraryOwner(uint32_t library) { return library << 16; }

// Makes a library's commands callable by index; a library registered before
// keeps its first table.
void RegisterLibraryCommands(uint32_t library, std::span<const CommandFn> commands);

// Runs command `index` of `owner`: of a library (LibraryOwner) or a method of
// a unit type (its UnitTypeId). A method whose first argument names no live
// unit of that type runs nothing and answers false or 0; an unknown owner or
// index answers a record of type 0.
TypedValue CallLibraryCommand(uint32_t owner, int32_t index, int32_t argCount, const TypedValue* args);

// A method of the unit (window id, unit id) of type `typeId`, the unit put in
// front of its own arguments.
TypedValue CallUnitMethod(uint32_t windowId, uint32_t unitId, uint32_t typeId, int32_t index,
                          std::initializer_list<TypedValue> own = {});

}  // namespace lizhi::rt
