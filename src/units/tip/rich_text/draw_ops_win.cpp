#include "units/tip/rich_text/draw_ops_win.h"

#include <algorithm>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/rich_text_drawer.h"
#include "units/tip/rich_text/tip_images_win.h"

namespace lizhi::tip {
namespace {

void Fill(HDC dc, const Rect& r, Colour colour) {
  RECT rc = ToRect(r);
  COLORREF previous = SetDCBrushColor(dc, colour);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, previous);
}

void DrawRun(HDC dc, const TextOp& op, GdiMeasurer& fonts) {
  win::Selected font(dc, fonts.Font(op.font));
  SetTextColor(dc, op.colour);
  SetBkColor(dc, op.back);
  SetBkMode(dc, op.opaque ? OPAQUE : TRANSPARENT);
  RECT clip = ToRect(op.clip);
  ExtTextOutA(dc, op.x, op.y, ETO_CLIPPED, &clip, op.text.data(), static_cast<UINT>(op.text.size()), nullptr);
}

void DrawBorder(HDC dc, const BorderOp& op) {
  const Rect& r = op.rect;
  int width = std::min({op.width, r.Width() / 2, r.Height() / 2});
  int penStyle = op.style == 2 ? PS_DASH : op.style == 3 ? PS_DOT : PS_SOLID;
  win::Pen light(CreatePen(penStyle, 1, op.light));
  win::Pen dark(CreatePen(penStyle, 1, op.dark));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  for (int k = 0; k < width; ++k) {
    // A double border keeps its outer and inner thirds.
    if (op.style == 6 && width >= 3 && k >= width / 3 && k < width - width / 3) continue;
    int left = r.left + k, top = r.top + k, right = r.right - 1 - k, bottom = r.bottom - 1 - k;
    {
      win::Selected pen(dc, light.get());
      MoveToEx(dc, left, bottom, nullptr);
      LineTo(dc, left, top);
      LineTo(dc, right, top);
    }
    win::Selected pen(dc, dark.get());
    MoveToEx(dc, right, top, nullptr);
    LineTo(dc, right, bottom);
    LineTo(dc, left - 1, bottom);
  }
  SetBkMode(dc, oldMode);
}

}  // namespace

void ExecuteDrawList(HDC dc, const DrawList& list, GdiMeasurer& fonts) {
  int oldBkMode = GetBkMode(dc);
  COLORREF oldText = GetTextColor(dc);
  COLORREF oldBack = GetBkColor(dc);
  for (const DrawOp& op : list.ops) {
    if (const auto* text = std::get_if<TextOp>(&op)) {
      DrawRun(dc, *text, fonts);
    } else if (const auto* rule = std::get_if<RuleOp>(&op)) {
      Fill(dc, rule->rect, rule->colour);
    } else if (const auto* image = std::get_if<ImageOp>(&op)) {
      if (std::optional<TipImage> loaded = LoadTipImage(image->image, fonts.images())) {
        DrawTipImage(dc, *loaded, image->image, ToRect(image->rect), ToRect(image->clip), image->hot);
      }
    } else if (const auto* back = std::get_if<BackgroundOp>(&op)) {
      RichTextDrawer::DrawBackgroundEffect(dc, ToRect(back->rect), back->effect, back->begin, back->middle, back->end,
                                           back->granularity);
    } else if (const auto* border = std::get_if<BorderOp>(&op)) {
      DrawBorder(dc, *border);
    }
  }
  SetBkMode(dc, oldBkMode);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

}  // namespace lizhi::tip
