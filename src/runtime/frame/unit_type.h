// A unit type is a table of entries that the frame calls: create a unit, tell it
// that one of its own properties was written, save its property block, read one
// of its own properties. Entries a type lacks are null.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "runtime/base/typed_value.h"
#include "runtime/base/unit_type_ids.h"

namespace lizhi::rt {

// Descriptor flags: a type whose flags hold either bit fires events.
constexpr uint32_t kTypeFiresEvents = 0x04;
constexpr uint32_t kTypeFiresEventsToo = 0x40;

struct UnitCreateParams {
  const uint8_t* block = nullptr;  // the unit's own property block (may be empty)
  size_t blockSize = 0;
  void* parentWindow = nullptr;  // HWND of the window that holds the unit
  uint32_t style = 0;
  int32_t left = 0, top = 0, width = 0, height = 0;
  int32_t controlId = 0;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  intptr_t extra = 0;
};

// A unit method in the runtime commands' calling form; the first argument is
// the unit itself, the method's own arguments follow it.
using UnitMethodFn = void (*)(void* unit, TypedValue& result, int32_t argCount, const TypedValue* args);
struct UnitMethod {
  const char* name;
  uint32_t resultType;  // a call on no such unit answers false or 0 of this type
  UnitMethodFn run;
};

struct UnitType {
  uint32_t typeId;
  const char* name;
  uint32_t flags;
  // Entry 1: builds the unit and its window; returns the unit object or null.
  void* (*create)(const UnitCreateParams& params);
  // The unit's live window (HWND), or null.
  void* (*windowOf)(void* unit);
  // Entry 4: own property `ownIndex` (index - 8) was written.
  void (*propertyWritten)(void* unit, int32_t ownIndex, int32_t arrayIndex, const TypedValue& value);
  // Entry 5: the unit's current own properties as a block.
  std::vector<uint8_t> (*saveBlock)(void* unit);
  // Entry 6: reads own property `ownIndex`; texts and byte arrays come back as
  // fresh runtime copies. False when the type does not answer.
  bool (*readProperty)(void* unit, int32_t ownIndex, TypedValue& out);
  // The type's methods, by method index.
  std::span<const UnitMethod> methods{};
};

// Makes unit types known to the frame (a type id already known keeps its first
// registration); the program's entry point registers every type it uses
// before any window is loaded.
void RegisterUnitTypes(std::span<const UnitType* const> types);
// The registered unit type of that id; null for an unknown type.
const UnitType* FindUnitType(uint32_t typeId);

}  // namespace lizhi::rt
