#include "units/tip/rich_text/tip_images_win.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/image_styles.h"
#include "units/tip/rich_text/link_rules.h"

namespace lizhi::tip {
namespace {

// A 1024 x 1024 bitmap of 32 bits is 4 MiB; a file much larger is no tip image.
constexpr LONGLONG kMaxImageFileBytes = 8LL << 20;

UINT ImageType(const ImageRequest& request) {
  return request.kind == ImageRequest::Kind::Icon ? IMAGE_ICON : IMAGE_BITMAP;
}

bool FileSmallEnough(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  LONGLONG size = static_cast<LONGLONG>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
  return size <= kMaxImageFileBytes;
}

std::optional<Size> HandleSize(HBITMAP bitmap, HICON icon) {
  if (bitmap) {
    BITMAP bm{};
    if (!GetObjectA(bitmap, sizeof bm, &bm)) return std::nullopt;
    return Size{bm.bmWidth, std::abs(bm.bmHeight)};
  }
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return std::nullopt;
  win::Bitmap colour(info.hbmColor);
  win::Bitmap mask(info.hbmMask);
  BITMAP bm{};
  if (!GetObjectA(info.hbmMask, sizeof bm, &bm)) return std::nullopt;
  // Without a colour bitmap the mask holds the AND and XOR halves stacked.
  return Size{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
}

// Sets the loaded handle of the right kind from LoadImageA's result.
void Take(TipImage& image, const ImageRequest& request, HANDLE loaded) {
  if (request.kind == ImageRequest::Kind::Icon) {
    image.loadedIcon.reset(static_cast<HICON>(loaded));
    image.icon = image.loadedIcon.get();
  } else {
    image.loadedBitmap.reset(static_cast<HBITMAP>(loaded));
    image.bitmap = image.loadedBitmap.get();
  }
}

uint32_t PixelOf(COLORREF c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

}  // namespace

std::optional<TipImage> LoadTipImage(const ImageRequest& request, const ImageListRef& images) {
  TipImage image;
  int cx = request.kind == ImageRequest::Kind::Icon && request.cx == 0 ? GetSystemMetrics(SM_CXICON) : request.cx;
  int cy = request.kind == ImageRequest::Kind::Icon && request.cy == 0 ? GetSystemMetrics(SM_CYICON) : request.cy;
  const UINT bitmapFlags = request.kind == ImageRequest::Kind::Bitmap ? LR_CREATEDIBSECTION : 0;
  switch (request.source) {
    case ImageRequest::Source::Handle:
      if (request.kind == ImageRequest::Kind::Icon) {
        image.icon = reinterpret_cast<HICON>(request.handle);
      } else {
        image.bitmap = reinterpret_cast<HBITMAP>(request.handle);
      }
      break;
    case ImageRequest::Source::ProgramResource:
      Take(image, request,
           LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(request.resourceId), ImageType(request), cx, cy,
                      bitmapFlags));
      break;
    case ImageRequest::Source::LibraryResource: {
      if (!IsLocalPath(request.path) || request.resourceId <= 0) return std::nullopt;
      // Read as data only: no code of the library runs.
      win::Module library(
          LoadLibraryExA(request.path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
      if (!library) return std::nullopt;
      Take(image, request,
           LoadImageA(library.get(), MAKEINTRESOURCEA(request.resourceId), ImageType(request), cx, cy, bitmapFlags));
      break;
    }
    case ImageRequest::Source::File:
      if (!IsLocalPath(request.path) || !FileSmallEnough(request.path)) return std::nullopt;
      Take(image, request,
           LoadImageA(nullptr, request.path.c_str(), ImageType(request), cx, cy, bitmapFlags | LR_LOADFROMFILE));
      break;
    case ImageRequest::Source::ImageList: {
      if (!images.list || request.index >= ImageList_GetImageCount(images.list)) return std::nullopt;
      int w = images.width;
      int h = images.height;
      if (w <= 0 || h <= 0) ImageList_GetIconSize(images.list, &w, &h);
      image.list = images.list;
      image.index = request.index;
      image.size = {w, h};
      break;
    }
    case ImageRequest::Source::None:
      return std::nullopt;
  }
  if (!image.list) {
    std::optional<Size> size = HandleSize(image.bitmap, image.icon);
    if (!size) return std::nullopt;
    image.size = *size;
    // A strip of images: one of them, cx wide, chosen by index.
    if (image.bitmap && request.cx > 0) image.size.cx = request.cx;
    if (image.bitmap && request.cy > 0) image.size.cy = request.cy;
  }
  if (image.size.cx <= 0 || image.size.cy <= 0 || image.size.cx > kMaxImageSide || image.size.cy > kMaxImageSide) {
    return std::nullopt;
  }
  return image;
}

void DrawTipImage(HDC dc, const TipImage& image, const ImageRequest& request, const RECT& rect, const RECT& clip,
                  bool hot) {
  const std::string& letters = hot && !request.hotStyle.empty() ? request.hotStyle : request.style;
  int w = rect.right - rect.left;
  int h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  win::SavedDc saved(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  if (letters.empty() && image.icon) {
    DrawIconEx(dc, rect.left, rect.top, image.icon, w, h, 0, nullptr, DI_NORMAL);
  } else if (letters.empty() && image.list) {
    ImageList_DrawEx(image.list, image.index, dc, rect.left, rect.top, w, h, CLR_NONE, CLR_NONE, ILD_NORMAL);
  } else {
    // Render into a 32-bit bitmap on the mask colour, restyle the pixels,
    // then copy with the mask colour left out.
    win::TopDownDib dib = win::CreateTopDownDib(dc, w, h);
    win::MemoryDc work(CreateCompatibleDC(dc));
    if (dib && work) {
      win::Selected into(work.get(), dib.bitmap.get());
      uint32_t* pixels = dib.pixels;
      std::fill(pixels, pixels + static_cast<size_t>(w) * h, PixelOf(request.mask));
      if (image.bitmap) {
        win::MemoryDc source(CreateCompatibleDC(dc));
        win::Selected from(source.get(), image.bitmap);
        int sx = request.cx > 0 ? request.index * request.cx : 0;
        SetStretchBltMode(work.get(), COLORONCOLOR);
        StretchBlt(work.get(), 0, 0, w, h, source.get(), sx, 0, image.size.cx, image.size.cy, SRCCOPY);
      } else if (image.icon) {
        DrawIconEx(work.get(), 0, 0, image.icon, w, h, 0, nullptr, DI_NORMAL);
      } else if (image.list) {
        ImageList_DrawEx(image.list, image.index, work.get(), 0, 0, w, h, CLR_NONE, CLR_NONE, ILD_NORMAL);
      }
      GdiFlush();
      std::vector<uint32_t> copy(pixels, pixels + static_cast<size_t>(w) * h);
      for (uint32_t& p : copy) p &= 0xFFFFFF;
      ApplyImageStyle(copy, letters, PixelOf(request.mask));
      std::copy(copy.begin(), copy.end(), pixels);
      TransparentBlt(dc, rect.left, rect.top, w, h, work.get(), 0, 0, w, h, request.mask & 0xFFFFFF);
    }
  }
}

}  // namespace lizhi::tip
