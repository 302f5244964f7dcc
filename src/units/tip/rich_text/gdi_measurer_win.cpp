#include "units/tip/rich_text/gdi_measurer_win.h"

#include "units/tip/rich_text/tip_images_win.h"

namespace lizhi::tip {
namespace {

// A long run of style changes keeps at most this many fonts alive at once.
constexpr size_t kMaxCachedFonts = 64;
constexpr size_t kMaxCachedImages = 64;

// What decides whether and at which size an image loads.
bool SameImage(const ImageRequest& a, const ImageRequest& b) {
  return a.source == b.source && a.kind == b.kind && a.resourceId == b.resourceId && a.path == b.path &&
         a.handle == b.handle && a.index == b.index && a.cx == b.cx && a.cy == b.cy;
}

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
  for (const CachedImage& cached : imageSizes_) {
    if (SameImage(cached.request, image)) return cached.size;
  }
  std::optional<Size> size;
  if (std::optional<TipImage> loaded = LoadTipImage(image, images_)) size = loaded->size;
  if (imageSizes_.size() >= kMaxCachedImages) imageSizes_.erase(imageSizes_.begin());
  imageSizes_.push_back({image, size});
  return size;
}

}  // namespace lizhi::tip
