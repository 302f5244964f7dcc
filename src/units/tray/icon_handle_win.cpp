#include "units/tray/icon_handle_win.h"

#include "units/tray/icon_file.h"

namespace lizhi::tray {

namespace {
constexpr DWORD kIconFormatVersion = 0x00030000;
}

HICON IconFromFileData(const uint8_t* data, size_t length, bool want32) {
  std::optional<IconImage> image = FindIconImage(data, length, want32);
  if (!image) return nullptr;
  auto* bytes = const_cast<PBYTE>(image->bytes);
  HICON icon = CreateIconFromResourceEx(bytes, image->size, TRUE, kIconFormatVersion, image->width, image->height, 0);
  if (!icon && image->bitCount != 16) icon = CreateIconFromResource(bytes, image->size, TRUE, kIconFormatVersion);
  return icon;
}

HICON SmallIconFromFileData(const uint8_t* data, size_t length) {
  if (HICON icon = IconFromFileData(data, length, false)) return icon;
  return IconFromFileData(data, length, true);
}

}  // namespace lizhi::tray
