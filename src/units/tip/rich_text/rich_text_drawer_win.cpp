#include "units/tip/rich_text/rich_text_drawer.h"

#include <cstring>

namespace lizhi::tip {

RichTextDrawer::RichTextDrawer() = default;
void RichTextDrawer::SetStyleSheet(const char*) {}
void RichTextDrawer::SetImageList(HIMAGELIST, int, int) {}

SIZE RichTextDrawer::Measure(HDC dc, const char* text) {
  SIZE size{};
  if (text) GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  return {size.cx + 1, size.cy + 1};
}

void RichTextDrawer::Draw(HDC dc, const char* text, const RECT& rect) {
  if (!text) return;
  int mode = SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, rect.left, rect.top, text, static_cast<int>(std::strlen(text)));
  SetBkMode(dc, mode);
}

int RichTextDrawer::LinkAt(POINT) const { return -1; }
void RichTextDrawer::Click(POINT) {}
bool RichTextDrawer::Hover(POINT) { return false; }
void RichTextDrawer::SetHoverTarget(HWND, UINT) {}
void RichTextDrawer::SetLinkTarget(HWND, UINT) {}

void RichTextDrawer::DrawBackgroundEffect(HDC dc, const RECT& rect, int, COLORREF begin, COLORREF, COLORREF, int) {
  HBRUSH brush = CreateSolidBrush(begin);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace lizhi::tip
