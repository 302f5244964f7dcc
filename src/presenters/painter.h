// Painting a line of text straight onto the screen, over the top-right corner
// of the foreground window (the title-bar display mode). Nothing of the
// program's own is shown: the text stays until the window underneath repaints
// or the next line is painted over it.
#pragma once
#include <cstdint>
#include <string_view>

namespace lizhi::presenters {

constexpr uint32_t kPaintRed = 0x0000FF;
constexpr uint32_t kPaintYellow = 0x00FFFF;
constexpr int32_t kPaintDefaultSize = 16;
constexpr int32_t kLineFontSize = 24;
// 宋体 in the local code page (GBK).
inline constexpr const char* kDefaultFaceName = "\xCB\xCE\xCC\xE5";

struct PaintTextArgs {
  void* window = nullptr;  // HWND whose device context is painted; null: the whole screen
  int32_t x = 0;
  int32_t y = 0;
  const char* text = nullptr;   // null paints nothing
  uint32_t colour = kPaintRed;  // 0x00BBGGRR
  int32_t size = kPaintDefaultSize;
  const char* fontName = nullptr;  // null: 宋体
  int32_t bold = 0;                // 1: weight 900
  int32_t italic = 0;
  int32_t underline = 0;
  int32_t quality = 0;  // the font's output quality; 0 the platform's default
};

// Paints one text with a font made for the call, transparent background, and
// restores the device context afterwards.
void PaintText(const PaintTextArgs& args);

// One tick of the title-bar mode: samples the background just left of the
// previous line, paints the previous line over in that colour, then paints the
// next line in yellow, each only where it fits. The window is the foreground
// one, or the one the user works in when lizhi's own is in front; the line is
// sized for the DPI of that window's monitor and ends left of its caption
// buttons (painter_geometry_dpi.h).
void PresentAtActiveWindow(std::string_view previousLine, std::string_view nextLine);

}  // namespace lizhi::presenters
