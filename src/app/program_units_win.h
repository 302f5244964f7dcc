// The unit types of this program beyond the runtime's own: the tray icon, the
// balloon tip box and the agent character.
#pragma once
#include <span>

#include "runtime/frame/unit_type.h"

namespace lizhi::app {
std::span<const rt::UnitType* const> ProgramUnitTypes();
// Registers the core library's unit types, then the program's own, and the
// shell library's commands.
void RegisterSupportLibraries();
}  // namespace lizhi::app
