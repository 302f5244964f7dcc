// The code page on Windows is the system's ANSI code page (936 on a Chinese
// system).
#include <windows.h>

#include <algorithm>

#include "app/text_source/text_encoding.h"

namespace lizhi::app {

namespace {

constexpr size_t kPiece = 1 << 20;  // keeps the counts within an int

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// No best-fit: a character the code page lacks shows as "?", never as a
// look-alike. Sets `unshown` when the default character was used.
int Convert(const char16_t* text, size_t units, char* out, BOOL* unshown) {
  auto* wide = reinterpret_cast<const wchar_t*>(text);
  int n = static_cast<int>(units), room = static_cast<int>(units * 3);
  int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, n, out, room, "?", unshown);
  // A UTF-8 system code page takes neither the flag nor a default character.
  if (written <= 0) written = WideCharToMultiByte(CP_ACP, 0, wide, n, out, room, nullptr, nullptr);
  return written > 0 ? written : 0;
}

}  // namespace

size_t Utf16ToCodePage(std::u16string_view text, char* out) {
  char* start = out;
  for (size_t i = 0; i < text.size();) {
    if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
      // A character beyond the first plane is one "?" when the code page
      // lacks it, not one per half.
      BOOL unshown = FALSE;
      int written = Convert(text.data() + i, 2, out, &unshown);
      if (unshown) {
        out[0] = '?';
        written = 1;
      }
      out += written;
      i += 2;
      continue;
    }
    size_t end = i + 1;
    while (end < text.size() && end - i < kPiece && !IsHigh(text[end])) ++end;
    out += Convert(text.data() + i, end - i, out, nullptr);
    i = end;
  }
  return static_cast<size_t>(out - start);
}

}  // namespace lizhi::app
