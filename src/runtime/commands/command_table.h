// The runtime commands by name, for callers that hold a name (and for tests
// that go through the calling form).
#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "runtime/commands/call_form.h"

namespace lizhi::rt {

struct CommandEntry {
  const char* name;
  CommandFn run;
};

std::span<const CommandEntry> CommandTable();
// The command of that exact name, or null.
CommandFn FindCommand(std::string_view name);
// Runs a command by name; an unknown name gives a record of type 0.
TypedValue CallCommand(std::string_view name, std::initializer_list<TypedValue> args);

}  // namespace lizhi::rt
