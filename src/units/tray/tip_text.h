// The tip of a notification-area icon: the shell's field holds 127 bytes and a
// terminator, so a longer tip is cut there, never inside a double-byte
// character of the local code page (GBK).
#pragma once
#include <cstddef>
#include <string_view>

namespace lizhi::tray {

constexpr size_t kTipFieldSize = 128;

// Bytes of `text` that fit in `maxBytes` without splitting a double-byte
// character; the text ends early at a zero byte.
size_t WholeCharacterPrefix(std::string_view text, size_t maxBytes);

// Writes the tip and its terminator into a field of `fieldSize` bytes (at least
// 1); the rest of the field is zeroed.
void CopyTipField(std::string_view tip, char* field, size_t fieldSize);

}  // namespace lizhi::tray
