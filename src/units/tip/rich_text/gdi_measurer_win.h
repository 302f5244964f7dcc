// The measurer over a device context: fonts made with CreateFontIndirectA
// (kept for the lifetime of one measure or draw), text extents, metrics and
// the sizes of tip images.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/measurer.h"

namespace lizhi::tip {

struct ImageListRef {
  HIMAGELIST list = nullptr;
  int width = 0;
  int height = 0;
};

class GdiMeasurer : public Measurer {
 public:
  GdiMeasurer(HDC dc, ImageListRef images) : dc_(dc), images_(images) {}
  Size TextExtent(const FontKey& font, std::string_view text) override;
  FontMetrics Metrics(const FontKey& font) override;
  int DpiY() override;
  std::optional<Size> ImageSize(const ImageRequest& image) override;

  HFONT Font(const FontKey& font);
  const ImageListRef& images() const { return images_; }

 private:
  struct CachedFont {
    FontKey key;
    win::Font font;
    FontMetrics metrics;
  };
  CachedFont& Find(const FontKey& font);
  // Sizes of the images loaded so far: a line that repeats an image loads it
  // once.
  struct CachedImage {
    ImageRequest request;
    std::optional<Size> size;
  };

  HDC dc_;
  ImageListRef images_;
  std::vector<CachedFont> fonts_;
  std::vector<CachedImage> imageSizes_;
};

}  // namespace lizhi::tip
