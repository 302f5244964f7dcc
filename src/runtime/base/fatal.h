// The runtime's one way of stopping on an unrecoverable fault: a message box with
// the fault, then the end of the process with exit code -1. The registered exit
// routine does not run after it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::rt {

[[noreturn]] void FatalRuntimeError(const char* message, int32_t code = 0);

// Work that must be done even when a fatal error ends the program, such as
// taking the notification icons out of the tray (the shell would otherwise
// show a dead icon until the user hovers it). Each runs before the message
// box; a cleanup that raises a fatal error itself does not run them again.
using FatalCleanup = void (*)();
void AddFatalCleanup(FatalCleanup cleanup);

// The fatal text with the code and the message, as the box shows it, written
// into `out` (always zero-terminated, cut to fit): the fatal path may run with
// no memory left, so it allocates nothing. Returns the length written.
constexpr size_t kFatalTextCapacity = 1024;
size_t ComposeFatalText(const char* message, int32_t code, char* out, size_t capacity);

// Shows the composed text and ends the process (the platform part).
[[noreturn]] void ShowFatalAndExit(const char* text);

// Native tests replace the platform part to observe fatal errors without
// ending the test process. The handler must not return.
using FatalHandler = void (*)(const char* text);
void SetFatalHandler(FatalHandler handler);

}  // namespace lizhi::rt
