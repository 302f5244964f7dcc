// Images of tip markup: bitmaps and icons from the program's resources, from a
// library's resources (read as data, never run), from local files, from
// existing handles or from the image list. Network paths are never opened,
// and images larger than 1024 x 1024 are skipped.
#pragma once
#include <windows.h>

#include <optional>

#include "units/tip/rich_text/gdi_measurer_win.h"
#include "units/tip/rich_text/measurer.h"

namespace lizhi::tip {

class TipImage {
 public:
  TipImage() = default;
  TipImage(TipImage&& other) noexcept;
  TipImage& operator=(TipImage&& other) noexcept;
  TipImage(const TipImage&) = delete;
  TipImage& operator=(const TipImage&) = delete;
  ~TipImage();

  HBITMAP bitmap = nullptr;
  HICON icon = nullptr;
  HIMAGELIST list = nullptr;  // drawn with its index; never freed here
  int index = 0;
  bool owned = false;  // loaded for this drawing, freed with it
  Size size;

 private:
  void Free();
};

std::optional<TipImage> LoadTipImage(const ImageRequest& request, const ImageListRef& images);

// Draws the image into rect (clipped to clip) with its mask colour
// transparent and its style letters applied.
void DrawTipImage(HDC dc, const TipImage& image, const ImageRequest& request, const RECT& rect, const RECT& clip, bool hot);

}  // namespace lizhi::tip
