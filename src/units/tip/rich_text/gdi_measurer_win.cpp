#include "units/tip/rich_text/gdi_measurer_win.h"

#include "units/tip/rich_text/tip_images_win.h"

namespace lizhi::tip {
namespace {

// A long run of style changes keeps at most this many fonts alive at once.
constexpr size_t kMaxCachedFonts = 64;

}  // namespace

GdiMeasurer::CachedFont& GdiMeasurer::Find(const FontKey& key) {
  for (CachedFont& f : fonts_) {
    if (f.key == key) return f;
  }
  if (fonts_.size() >= kMaxCachedFonts) fonts_.erase(fonts_.begin());
  LOGFONTA lf{};
  lf.lfHeight = key.height;
  lf.lfWeight = key.weight;
  lf.lfItalic = key.italic;
  lf.lfUnderline = key.underline;
  lf.lfStrikeOut = key.strikeout;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, key.face, LF_FACESIZE);
  CachedFont entry{key, win::Font(CreateFontIndirectA(&lf)), {}};
  TEXTMETRICA tm{};
  {
    win::Selected selected(dc_, entry.font ? entry.font.get() : GetStockObject(DEFAULT_GUI_FONT));
    if (GetTextMetricsA(dc_, &tm)) entry.metrics = {tm.tmAscent, tm.tmDescent};
  }
  fonts_.push_back(std::move(entry));
  return fonts_.back();
}

HFONT GdiMeasurer::Font(const FontKey& font) {
  CachedFont& f = Find(font);
  return f.font ? f.font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Size GdiMeasurer::TextExtent(const FontKey& font, std::string_view text) {
  win::Selected selected(dc_, Font(font));
  SIZE size{};
  if (!GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size)) return {};
  return {size.cx, size.cy};
}

FontMetrics GdiMeasurer::Metrics(const FontKey& font) { return Find(font).metrics; }

int GdiMeasurer::DpiY() {
  int dpi = GetDeviceCaps(dc_, LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

std::optional<Size> GdiMeasurer::ImageSize(const ImageRequest& image) {
  std::optional<TipImage> loaded = LoadTipImage(image, images_);
  if (!loaded) return std::nullopt;
  return loaded->size;
}

}  // namespace lizhi::tip
