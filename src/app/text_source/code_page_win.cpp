// The code page on Windows is the system's ANSI code page (936 on a Chinese
// system).
#include <windows.h>

#include <algorithm>

#include "app/text_source/text_encoding.h"

namespace lizhi::app {

size_t Utf16ToCodePage(std::u16string_view text, char* out) {
  // In pieces, so the counts stay within an int; a piece never ends between
  // the two halves of a surrogate pair.
  constexpr size_t kPiece = 1 << 20;
  char* start = out;
  for (size_t i = 0; i < text.size();) {
    size_t n = std::min(kPiece, text.size() - i);
    if (i + n < text.size() && text[i + n - 1] >= 0xD800 && text[i + n - 1] <= 0xDBFF) --n;
    // No best-fit: a character the code page lacks shows as "?", never as a
    // look-alike.
    auto* piece = reinterpret_cast<const wchar_t*>(text.data() + i);
    int room = static_cast<int>(n * 3);
    int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, piece, static_cast<int>(n), out, room, "?", nullptr);
    // A UTF-8 system code page takes neither the flag nor a default character.
    if (written <= 0) written = WideCharToMultiByte(CP_ACP, 0, piece, static_cast<int>(n), out, room, nullptr, nullptr);
    out += written > 0 ? written : 0;
    i += n;
  }
  return static_cast<size_t>(out - start);
}

}  // namespace lizhi::app
