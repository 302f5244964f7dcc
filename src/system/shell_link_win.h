// Shell shortcuts (.lnk files) and the shell's change notifications.
#pragma once
#include <optional>
#include <string>

namespace lizhi::sys {

// The current user's Startup folder (not created when missing).
std::optional<std::string> StartupFolder();

// Saves a shortcut at `linkPath` whose target is `target`. COM must be
// initialised on the calling thread.
bool CreateShortcut(const std::string& linkPath, const std::string& target);

enum class ShellChange {
  kCreated,
  kDeleted,
};
// Tells the shell that the file at `path` was created or deleted, then that
// its folder changed.
void NotifyShellOfChange(ShellChange change, const std::string& path);

}  // namespace lizhi::sys
