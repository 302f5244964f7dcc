// The registry's "Run" keys, where a value named after a program holds the
// command line the shell starts with each session.
#pragma once
#include <optional>
#include <string>

namespace lizhi::sys {

enum class RunKeyScope {
  kMachine,  // HKEY_LOCAL_MACHINE: every user; needs the right to write there
  kUser,     // HKEY_CURRENT_USER: this user
};

// Writes a REG_SZ value (with its terminator) into the scope's Run key; the
// user's key is created when missing.
bool WriteRunValue(RunKeyScope scope, const std::string& name, const std::string& data);
bool DeleteRunValue(RunKeyScope scope, const std::string& name);
std::optional<std::string> ReadRunValue(RunKeyScope scope, const std::string& name);

// The writer SetAutoStart uses; tests point it elsewhere to play a key that
// refuses the write.
using RunValueWriter = bool (*)(RunKeyScope scope, const std::string& name, const std::string& data);
RunValueWriter& RunValueWriterInUse();

}  // namespace lizhi::sys
