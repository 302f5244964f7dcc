// The drawer of balloon tip text: measures and draws tip markup on a device
// context, keeps the link areas of the last drawing for the mouse, and draws
// the background effects of tips. The layout itself is portable (layout.h);
// this is its thin Windows side.
//
// Messages it sends (both with SendMessage, on the caller's thread):
//   hover target: wParam = index of the hovered link, or -2 when the mouse
//                 left the links; lParam = 0.
//   link target:  wParam = index of the clicked event link; lParam = its event
//                 text (const char*, valid during the call only).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/colour_table.h"
#include "units/tip/rich_text/draw_ops.h"
#include "units/tip/rich_text/layout.h"
#include "units/tip/rich_text/style_sheet.h"

namespace lizhi::tip {

class RichTextDrawer {
 public:
  RichTextDrawer();                      // builds the colour table (system colours read here)
  void SetStyleSheet(const char* text);  // null or empty clears the table
  void SetImageList(HIMAGELIST list, int imageWidth, int imageHeight);
  // Width + 1, height + 1 of the laid-out text; what lies past `reach` (the
  // most the text can be shown in) is not measured.
  SIZE Measure(HDC dc, const char* text, SIZE reach = {kUnlimitedReach, kUnlimitedReach});
  // Records the link areas. Only what falls inside the rectangle is measured.
  void Draw(HDC dc, const char* text, const RECT& rect);
  int LinkAt(POINT pt) const;  // link index, or -1 for none
  void Click(POINT pt);        // activates the link at pt
  bool Hover(POINT pt);        // true over a link; tells the hover target; hand cursor
  void Unhover();              // the mouse left the text: no link hovered; tells the hover target if one was
  void ForgetHover();          // a new text: no link hovered, nobody told
  int hovered() const { return hovered_; }  // the hovered link's index, or -2
  void SetHoverTarget(HWND window, UINT message);
  void SetLinkTarget(HWND window, UINT message);
  static void DrawBackgroundEffect(HDC dc, const RECT& rect, int effect, COLORREF begin, COLORREF middle, COLORREF end,
                                   int granularity);

 private:
  HCURSOR HandCursor();

  ColourTable colours_;
  StyleTable styles_;
  HIMAGELIST imageList_ = nullptr;
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  std::vector<Link> links_;  // of the last drawing
  std::vector<LinkArea> areas_;
  int hovered_ = -2;
  HWND hoverWindow_ = nullptr;
  UINT hoverMessage_ = 0;
  HWND linkWindow_ = nullptr;
  UINT linkMessage_ = 0;
  win::Icon handCursor_;  // an owned copy, when one could be taken
  bool handCursorLoaded_ = false;
};

}  // namespace lizhi::tip
