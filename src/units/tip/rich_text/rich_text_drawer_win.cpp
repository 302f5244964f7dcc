#include <algorithm>

#include "units/tip/rich_text/draw_ops_win.h"
#include "units/tip/rich_text/gdi_measurer_win.h"
#include "units/tip/rich_text/layout.h"
#include "units/tip/rich_text/link_open_win.h"
#include "units/tip/rich_text/rich_text_drawer.h"

namespace lizhi::tip {
namespace {

class SysColours : public SystemColours {
 public:
  Colour Get(int index) const override { return GetSysColor(index); }
};

constexpr int kHandCursorResource = 106;

}  // namespace

RichTextDrawer::RichTextDrawer() : colours_(SysColours()) {}

void RichTextDrawer::SetStyleSheet(const char* text) { styles_.Parse(text); }

void RichTextDrawer::SetImageList(HIMAGELIST list, int imageWidth, int imageHeight) {
  imageList_ = list;
  imageWidth_ = imageWidth;
  imageHeight_ = imageHeight;
}

SIZE RichTextDrawer::Measure(HDC dc, const char* text, SIZE reach) {
  if (!dc) return SIZE{1, 1};
  GdiMeasurer measurer(dc, {imageList_, imageWidth_, imageHeight_});
  const LayoutContext context{styles_, colours_, measurer, hovered_,
                              Size{static_cast<int>(reach.cx), static_cast<int>(reach.cy)}};
  Size size = MeasureMarkup(text ? text : "", context);
  return SIZE{size.cx + 1, size.cy + 1};
}

void RichTextDrawer::Draw(HDC dc, const char* text, const RECT& rect) {
  if (!dc) return;
  GdiMeasurer measurer(dc, {imageList_, imageWidth_, imageHeight_});
  const Size room{static_cast<int>(std::max<LONG>(0, rect.right - rect.left)),
                  static_cast<int>(std::max<LONG>(0, rect.bottom - rect.top))};
  const LayoutContext context{styles_, colours_, measurer, hovered_, room};
  DrawList list = ArrangeMarkup(text ? text : "", context, Rect{rect.left, rect.top, rect.right, rect.bottom});
  ExecuteDrawList(dc, list, measurer);
  links_ = std::move(list.links);
  areas_ = std::move(list.areas);
}

int RichTextDrawer::LinkAt(POINT pt) const {
  for (const LinkArea& area : areas_) {
    if (area.rect.Contains(pt.x, pt.y)) return area.link;
  }
  return -1;
}

void RichTextDrawer::Click(POINT pt) {
  int index = LinkAt(pt);
  if (index < 0 || index >= static_cast<int>(links_.size())) return;
  // Copied: the link target may redraw the tip, which replaces the links.
  const Link link = links_[index];
  if (link.kind == 1) {
    OpenAddress(link.target);
  } else if (link.kind == 2 && linkWindow_) {
    SendMessageA(linkWindow_, linkMessage_, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(link.target.c_str()));
  }
}

bool RichTextDrawer::Hover(POINT pt) {
  int index = LinkAt(pt);
  int hovered = index >= 0 ? index : -2;
  if (hovered != hovered_) {
    hovered_ = hovered;
    if (hoverWindow_) SendMessageA(hoverWindow_, hoverMessage_, static_cast<WPARAM>(hovered), 0);
  }
  if (index < 0) return false;
  if (index < static_cast<int>(links_.size()) && !links_[index].target.empty()) {
    if (HCURSOR hand = HandCursor()) SetCursor(hand);
  }
  return true;
}

void RichTextDrawer::Unhover() {
  if (hovered_ == -2) return;
  hovered_ = -2;
  if (hoverWindow_) SendMessageA(hoverWindow_, hoverMessage_, static_cast<WPARAM>(hovered_), 0);
}

void RichTextDrawer::ForgetHover() { hovered_ = -2; }

void RichTextDrawer::SetHoverTarget(HWND window, UINT message) {
  hoverWindow_ = window;
  hoverMessage_ = message;
}

void RichTextDrawer::SetLinkTarget(HWND window, UINT message) {
  linkWindow_ = window;
  linkMessage_ = message;
}

HCURSOR RichTextDrawer::HandCursor() {
  if (!handCursorLoaded_) {
    handCursorLoaded_ = true;
    // The classic hand of the help program, read as data only; current
    // systems (and Wine) lack it, and the system hand serves instead.
    char path[MAX_PATH];
    UINT n = GetWindowsDirectoryA(path, MAX_PATH - 16);
    if (n > 0 && n < MAX_PATH - 16) {
      lstrcatA(path, "\\winhlp32.exe");
      win::Module help(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
      if (help) {
        if (HCURSOR cursor = LoadCursorA(help.get(), MAKEINTRESOURCEA(kHandCursorResource))) {
          handCursor_.reset(static_cast<HICON>(CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0)));
        }
      }
    }
  }
  return handCursor_ ? static_cast<HCURSOR>(handCursor_.get()) : LoadCursorA(nullptr, IDC_HAND);
}

}  // namespace lizhi::tip
