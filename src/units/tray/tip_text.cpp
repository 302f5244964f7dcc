#include "units/tray/tip_text.h"

#include <cstring>

namespace lizhi::tray {

namespace {
// GBK: a byte 0x81..0xFE starts a two-byte character.
bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
}  // namespace

size_t WholeCharacterPrefix(std::string_view text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size() && text[end] != '\0') {
    size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    // A lead byte with nothing after it stands alone.
    if (width == 2 && (end + 1 >= text.size() || text[end + 1] == '\0')) width = 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return end;
}

void CopyTipField(std::string_view tip, char* field, size_t fieldSize) {
  if (!field || fieldSize == 0) return;
  std::memset(field, 0, fieldSize);
  size_t n = WholeCharacterPrefix(tip, fieldSize - 1);
  std::memcpy(field, tip.data(), n);
}

}  // namespace lizhi::tray
