// Text files as today's editors write them: UTF-8 (with or without a byte
// order mark) and UTF-16 are turned into the program's code page before the
// lines are cut; anything else is taken byte for byte, as always.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/commands/files.h"

namespace lizhi::app {

enum class TextEncoding { kCodePage, kUtf8, kUtf16Le, kUtf16Be };

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::kCodePage;
  size_t markBytes = 0;  // byte order mark to skip
};

// A byte order mark decides; without one, text that is valid UTF-8 throughout
// and holds at least one three-byte sequence (every Chinese character is one)
// is UTF-8. GBK text passes that test only by rare accident.
DetectedEncoding DetectEncoding(std::span<const uint8_t> bytes);

// Replaces Unicode contents by their code-page form; characters the code page
// cannot show become "?". Code-page contents stay as they are. False when no
// memory was left for the conversion.
bool ConvertToCodePage(rt::FileContents& contents);

// The code page's bytes for UTF-16 text; a character it cannot show becomes
// "?". Writes to `out`, which must have room for 3 bytes per unit; returns the
// bytes written.
size_t Utf16ToCodePage(std::u16string_view text, char* out);

}  // namespace lizhi::app
