#include "runtime/frame/library_calls.h"

#include <array>
#include <vector>

#include "runtime/frame/unit_type.h"
#include "runtime/frame/window_table.h"

namespace lizhi::rt {

namespace {

constexpr uint32_t kTypeNumberMask = 0xFFFF;
constexpr size_t kMostUnitMethodArguments = 8;

struct LibraryCommands {
  uint32_t library;
  std::span<const CommandFn> commands;
};

std::vector<LibraryCommands>& Libraries() {
  static std::vector<LibraryCommands> libraries;
  return libraries;
}

// The live unit the argument names, when it is a unit of type `typeId`.
void* UnitNamed(const TypedValue& unit, uint32_t typeId) {
  if (unit.type != typeId) return nullptr;
  WindowEntry* entry = Windows().Find(unit.low);
  LiveUnit* live = entry ? entry->FindLive(unit.high) : nullptr;
  return live && live->type && live->type->typeId == typeId ? live->object : nullptr;
}

TypedValue CallOfLibrary(uint32_t library, int32_t index, int32_t argCount, const TypedValue* args) {
  TypedValue result;
  for (const LibraryCommands& l : Libraries()) {
    if (l.library != library) continue;
    if (index >= 0 && static_cast<size_t>(index) < l.commands.size() && l.commands[index]) {
      l.commands[index](result, args ? argCount : 0, args);
    }
    break;
  }
  return result;
}

}  // namespace

void RegisterLibraryCommands(uint32_t library, std::span<const CommandFn> commands) {
  for (const LibraryCommands& l : Libraries()) {
    if (l.library == library) return;
  }
  Libraries().push_back({library, commands});
}

TypedValue CallLibraryCommand(uint32_t owner, int32_t index, int32_t argCount, const TypedValue* args) {
  if ((owner & kTypeNumberMask) == 0) return CallOfLibrary(owner >> 16, index, argCount, args);
  const UnitType* type = FindUnitType(owner);
  if (!type || index < 0 || static_cast<size_t>(index) >= type->methods.size()) return {};
  const UnitMethod& method = type->methods[index];
  TypedValue result{0, 0, method.resultType};
  void* unit = args && argCount > 0 ? UnitNamed(args[0], owner) : nullptr;
  if (unit && method.run) method.run(unit, result, argCount, args);
  return result;
}

TypedValue CallUnitMethod(uint32_t windowId, uint32_t unitId, uint32_t typeId, int32_t index,
                          std::initializer_list<TypedValue> own) {
  std::array<TypedValue, kMostUnitMethodArguments> args{};
  args[0] = UnitValue(windowId, unitId, typeId);
  size_t count = 1;
  for (const TypedValue& value : own) {
    if (count == args.size()) break;
    args[count++] = value;
  }
  return CallLibraryCommand(typeId, index, static_cast<int32_t>(count), args.data());
}

}  // namespace lizhi::rt
