// The platform part of the screen painter. Every Windows function is called
// through its DllCommand index: 0 to 5 take the foreground window's geometry
// and the background sample, 12 to 19 paint one text.
#include <windows.h>

#include <cstring>
#include <string>

#include "presenters/caption_buttons_win.h"
#include "presenters/painter.h"
#include "presenters/painter_font.h"
#include "presenters/painter_geometry.h"
#include "presenters/painter_geometry_dpi.h"
#include "presenters/painter_target_win.h"
#include "runtime/base/monitor_dpi_win.h"
#include "runtime/base/win_handles.h"
#include "runtime/frame/dll_command.h"

namespace lizhi::presenters {

namespace {

using rt::CallDll;

// A device context borrowed with GetDC and given back with ReleaseDC, each
// through its own command index.
class BorrowedDc {
 public:
  BorrowedDc(int getIndex, int releaseIndex, HWND window)
      : releaseIndex_(releaseIndex), window_(window), dc_(CallDll<decltype(&::GetDC)>(getIndex, window)) {}
  ~BorrowedDc() { CallDll<decltype(&::ReleaseDC)>(releaseIndex_, window_, dc_); }
  BorrowedDc(const BorrowedDc&) = delete;
  BorrowedDc& operator=(const BorrowedDc&) = delete;
  HDC get() const { return dc_; }

 private:
  int releaseIndex_;
  HWND window_;
  HDC dc_;
};

// A font made for one call and deleted at the end of it.
class CallFont {
 public:
  explicit CallFont(const LOGFONTA& request)
      : font_(CallDll<decltype(&::CreateFontIndirectA)>(rt::kDllCreateFontIndirectA, &request)) {}
  ~CallFont() { CallDll<decltype(&::DeleteObject)>(rt::kDllDeleteObject, font_); }
  CallFont(const CallFont&) = delete;
  CallFont& operator=(const CallFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

// An object selected for one call and the previous one put back at its end,
// both through the SelectObject command.
class CallSelected {
 public:
  CallSelected(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(CallDll<decltype(&::SelectObject)>(rt::kDllSelectObject, dc, object)) {}
  ~CallSelected() { CallDll<decltype(&::SelectObject)>(rt::kDllSelectObject, dc_, previous_); }
  CallSelected(const CallSelected&) = delete;
  CallSelected& operator=(const CallSelected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

LOGFONTA ToLogFont(const FontRequest& r) {
  LOGFONTA lf{};
  lf.lfHeight = r.height;
  lf.lfWidth = r.width;
  lf.lfEscapement = r.escapement;
  lf.lfOrientation = r.orientation;
  lf.lfWeight = r.weight;
  lf.lfItalic = r.italic;
  lf.lfUnderline = r.underline;
  lf.lfStrikeOut = r.strikeOut;
  lf.lfCharSet = r.charSet;
  lf.lfOutPrecision = r.outPrecision;
  lf.lfClipPrecision = r.clipPrecision;
  lf.lfQuality = r.quality;
  lf.lfPitchAndFamily = r.pitchAndFamily;
  static_assert(sizeof lf.lfFaceName == sizeof r.faceName);
  std::memcpy(lf.lfFaceName, r.faceName, sizeof lf.lfFaceName);
  return lf;
}

PaintRect ToPaintRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
PaintRect ToPaintRect(const screen::Area& a) { return {a.left, a.top, a.right, a.bottom}; }

// The arguments of one line's PaintText at the monitor's DPI.
PaintTextArgs LineArgs(const std::string& text, COLORREF colour, int32_t dpi) {
  PaintTextArgs args;
  args.text = text.c_str();
  args.colour = colour;
  args.size = TitleLineFontSize(dpi);
  args.quality = NONANTIALIASED_QUALITY;
  return args;
}

// The line's width in the font PaintText makes for it; -1 when unknown.
int32_t MeasuredWidth(const PaintTextArgs& args) {
  if (!args.text || !*args.text) return 0;
  const LOGFONTA request = ToLogFont(MakeFontRequest(args));
  win::WindowDc screen(nullptr);
  win::GdiObject font(CreateFontIndirectA(&request));
  if (!screen || !font) return -1;
  win::Selected selected(screen.get(), font.get());
  SIZE size{};
  if (!GetTextExtentPoint32A(screen.get(), args.text, static_cast<int>(std::strlen(args.text)), &size)) return -1;
  return size.cx;
}

}  // namespace

void PaintText(const PaintTextArgs& args) {
  HWND window = static_cast<HWND>(args.window);
  BorrowedDc dc(rt::kDllGetDC2, rt::kDllReleaseDC2, window);
  CallFont font(ToLogFont(MakeFontRequest(args)));

  CallSelected selected(dc.get(), font.get());
  int oldMode = CallDll<decltype(&::SetBkMode)>(rt::kDllSetBkMode, dc.get(), TRANSPARENT);
  COLORREF oldColour = CallDll<decltype(&::SetTextColor)>(rt::kDllSetTextColor, dc.get(), args.colour);
  int length = args.text ? static_cast<int>(std::strlen(args.text)) : 0;
  CallDll<decltype(&::TextOutA)>(rt::kDllTextOutA, dc.get(), args.x, args.y, args.text ? args.text : "", length);

  CallDll<decltype(&::SetBkMode)>(rt::kDllSetBkMode, dc.get(), oldMode);
  CallDll<decltype(&::SetTextColor)>(rt::kDllSetTextColor, dc.get(), oldColour);
}

void PresentAtActiveWindow(std::string_view previousLine, std::string_view nextLine) {
  // Both rectangles stay zero when a call fails, so nothing then fits.
  HWND foreground = PaintTargetWindow(CallDll<decltype(&::GetForegroundWindow)>(rt::kDllGetForegroundWindow));
  RECT client{}, window{};
  CallDll<decltype(&::GetClientRect)>(rt::kDllGetClientRect, foreground, &client);
  CallDll<decltype(&::GetWindowRect)>(rt::kDllGetWindowRect, foreground, &window);
  // The line goes on the monitor of the window, sized for that monitor's DPI,
  // clear of the window's caption buttons.
  TitleLineScene scene;
  scene.window = ToPaintRect(window);
  scene.client = ToPaintRect(client);
  const win::MonitorAreas monitor = win::MonitorOfRect(window);
  scene.monitor = ToPaintRect(monitor.whole);
  scene.dpi = monitor.dpi;
  scene.buttons = FindCaptionButtons(foreground, scene.window, FrameBorder(scene.window, scene.client), scene.dpi);

  const std::string previous(previousLine), next(nextLine);
  const PaintTextArgs erase = LineArgs(previous, 0, scene.dpi);
  const TitleLinePlace previousPlace = PlaceTitleLine(scene, previous.size(), MeasuredWidth(erase));
  const PaintTextArgs paint = LineArgs(next, kPaintYellow, scene.dpi);
  const TitleLinePlace nextPlace = PlaceTitleLine(scene, next.size(), MeasuredWidth(paint));

  // Sampled before the erase, whether or not the previous line fits, a few
  // pixels left of the line on its row: at its left end the sample would often
  // fall on a stroke of its first glyph. Off the screen this is CLR_INVALID,
  // passed on as it is.
  COLORREF background;
  {
    BorrowedDc screen(rt::kDllGetDC, rt::kDllReleaseDC, nullptr);
    background =
        CallDll<decltype(&::GetPixel)>(rt::kDllGetPixel, screen.get(), previousPlace.sampleX, previousPlace.sampleY);
  }

  // The previous line is painted over in the sampled colour, then the new one
  // in yellow; a line that does not fit the window's corner is left out. Both
  // without anti-aliasing, so the erase covers exactly the pixels drawn: blended
  // edges would otherwise stay behind as pale ghosts.
  auto paintLine = [](PaintTextArgs args, const TitleLinePlace& place, COLORREF colour) {
    if (!place.fits) return;
    args.x = place.x;
    args.y = place.y;
    args.colour = colour;
    PaintText(args);
  };
  paintLine(erase, previousPlace, background);
  paintLine(paint, nextPlace, kPaintYellow);
}

}  // namespace lizhi::presenters
