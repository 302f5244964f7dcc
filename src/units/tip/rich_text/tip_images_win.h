// Images of tip markup: bitmaps and icons from the program's resources, from a
// library's resources (read as data, never run), from local files, from
// existing handles or from the image list. Network paths are never opened,
// and images larger than 1024 x 1024 are skipped.
#pragma once
#include <windows.h>

#include <optional>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/gdi_measurer_win.h"
#include "units/tip/rich_text/measurer.h"

namespace lizhi::tip {

struct TipImage {
  HBITMAP bitmap = nullptr;
  HICON icon = nullptr;
  HIMAGELIST list = nullptr;  // drawn with its index; never freed here
  int index = 0;
  Size size;
  // What was loaded for this drawing, freed with it; a handle the markup
  // names is only borrowed.
  win::Bitmap loadedBitmap;
  win::Icon loadedIcon;
};

std::optional<TipImage> LoadTipImage(const ImageRequest& request, const ImageListRef& images);

// Draws the image into rect (clipped to clip) with its mask colour
// transparent and its style letters applied.
void DrawTipImage(HDC dc, const TipImage& image, const ImageRequest& request, const RECT& rect, const RECT& clip,
                  bool hot);

}  // namespace lizhi::tip
