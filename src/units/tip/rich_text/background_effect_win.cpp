// Background effects on a device context: gradients as FillRect bands,
// patterns as one copy of their pixels.
#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/background_effect.h"
#include "units/tip/rich_text/rich_text_drawer.h"

namespace lizhi::tip {
namespace {

// Colours with the top byte set stand for the system button face, as the
// tip's properties write it.
COLORREF Resolve(COLORREF c) { return (c & 0xFF000000) ? GetSysColor(COLOR_BTNFACE) : c; }

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  COLORREF previous = SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, previous);
}

}  // namespace

void RichTextDrawer::DrawBackgroundEffect(HDC dc, const RECT& rect, int effect, COLORREF begin, COLORREF middle,
                                          COLORREF end, int granularity) {
  if (!dc || rect.right <= rect.left || rect.bottom <= rect.top) return;
  begin = Resolve(begin);
  middle = Resolve(middle);
  end = Resolve(end);
  Rect r{rect.left, rect.top, rect.right, rect.bottom};
  if (IsGradientEffect(effect)) {
    COLORREF previous = SetDCBrushColor(dc, begin);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    for (const Band& band : GradientBands(r, effect, begin, middle, end)) {
      RECT b{band.rect.left, band.rect.top, band.rect.right, band.rect.bottom};
      SetDCBrushColor(dc, band.colour);
      FillRect(dc, &b, brush);
    }
    SetDCBrushColor(dc, previous);
    return;
  }
  if (IsPatternEffect(effect)) {
    std::vector<uint32_t> pixels = PatternPixels(r.Width(), r.Height(), effect, begin, middle, end, granularity);
    if (!pixels.empty()) {
      const BITMAPINFO bmi = win::TopDownDibInfo(r.Width(), r.Height());
      SetDIBitsToDevice(dc, r.left, r.top, r.Width(), r.Height(), 0, 0, 0, r.Height(), pixels.data(), &bmi,
                        DIB_RGB_COLORS);
      return;
    }
  }
  FillSolid(dc, rect, begin);
}

}  // namespace lizhi::tip
