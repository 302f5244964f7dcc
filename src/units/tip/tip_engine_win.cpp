#include "units/tip/tip_engine_win.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/base/memory.h"
#include "runtime/base/monitor_dpi_win.h"
#include "runtime/base/screen_area.h"
#include "runtime/base/window_class_win.h"
#include "units/tip/tip_canvas_win.h"
#include "units/tip/tip_compose.h"
#include "units/tip/tip_properties.h"

namespace lizhi::tip {

namespace {

constexpr char kWindowClass[] = "LizhiBalloonTip";

// The class keeps the default procedure; each tip window gets its engine's.
bool RegisterTipClass() {
  static const bool registered = win::RegisterClassNamed(kWindowClass, DefWindowProcA, CS_SAVEBITS, IDC_ARROW);
  return registered;
}

COLORREF Resolve(uint32_t colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour & 0xFFFFFF);
}

win::Region ShapeRegion(const TipLayout& l) {
  win::Region shape(
      CreateRoundRectRgn(l.body.left, l.body.top, l.body.right + 1, l.body.bottom + 1, l.corner.x, l.corner.y));
  if (shape && l.hasTriangle) {
    POINT points[3];
    for (size_t i = 0; i < 3; ++i) points[i] = {l.triangle[i].x, l.triangle[i].y};
    win::Region triangle(CreatePolygonRgn(points, 3, WINDING));
    if (triangle) CombineRgn(shape.get(), shape.get(), triangle.get(), RGN_OR);
  }
  return shape;
}

// The body's edge row or column on the anchor side stretched over the anchor's
// strip, so that the background reaches into the anchor.
void ExtendIntoAnchor(HDC dc, const TipLayout& l) {
  const TipRect& b = l.body;
  const TipRect& w = l.window;
  switch (AnchorSide(l.placement)) {
    case kAnchorTop:
      StretchBlt(dc, b.left, w.top, b.width(), b.top - w.top, dc, b.left, b.top, b.width(), 1, SRCCOPY);
      break;
    case kAnchorBottom:
      StretchBlt(dc, b.left, b.bottom, b.width(), w.bottom - b.bottom, dc, b.left, b.bottom - 1, b.width(), 1, SRCCOPY);
      break;
    case kAnchorLeft:
      StretchBlt(dc, w.left, b.top, b.left - w.left, b.height(), dc, b.left, b.top, 1, b.height(), SRCCOPY);
      break;
    default:
      StretchBlt(dc, b.right, b.top, w.right - b.right, b.height(), dc, b.right - 1, b.top, 1, b.height(), SRCCOPY);
      break;
  }
}

bool PopsTheTip(UINT message) {
  static constexpr UINT kPopping[] = {
      WM_NCLBUTTONDOWN,   WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDOWN,
      WM_NCMBUTTONDBLCLK, WM_LBUTTONDOWN,     WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,     WM_RBUTTONDBLCLK,
      WM_MBUTTONDOWN,     WM_MBUTTONDBLCLK,   WM_MOUSEWHEEL,    WM_KEYDOWN,         WM_SYSKEYDOWN,
  };
  return std::find(std::begin(kPopping), std::end(kPopping), message) != std::end(kPopping);
}

}  // namespace

TipRect VirtualScreenRect() {
  int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

TipRect WorkAreaAt(TipPoint point) {
  const win::MonitorAreas monitor = win::MonitorAt(POINT{point.x, point.y});
  return {monitor.work.left, monitor.work.top, monitor.work.right, monitor.work.bottom};
}

TipEngine::TipEngine(HWND owner) {
  const COLORREF infoBack = GetSysColor(COLOR_INFOBK);
  TipTool& d = machine_.settings.defaults;
  d.colours[0] = d.colours[1] = d.colours[2] = infoBack;
  look_.borderColour = GetSysColor(COLOR_INFOTEXT);
  if (!RegisterTipClass()) return;
  window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, owner,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
  if (!window_) return;
  // The class keeps the default procedure; each tip window gets its engine's.
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TipEngine::WindowProc));
  drawer_.SetHoverTarget(window_.get(), kTipHoverMessage);
}

TipEngine::~TipEngine() {
  UnlistTipEngine(this);
  if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK TipEngine::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return rt::GuardAllocations([&] { return HandleMessage(window, message, wParam, lParam); });
}

LRESULT TipEngine::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* engine = reinterpret_cast<TipEngine*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!engine) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      engine->machine_.OnTimer(static_cast<int32_t>(wParam));
      return 0;
    case WM_PAINT: {
      win::Paint paint(window);
      engine->Blit(paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      engine->OnMouseOverTip({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSELEAVE:
      engine->drawer_.Unhover();
      return 0;
    case kTipHoverMessage:
      engine->OnHoverChanged();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// Moves over other programs' windows never reach this thread: the leave
// message tells when the mouse is gone. Asked for at every move, so that a
// request the system could not yet match to this window is made again. A move
// still queued when the mouse had already gone elsewhere hovers nothing.
void TipEngine::OnMouseOverTip(POINT point) {
  POINT cursor{};
  if (!GetCursorPos(&cursor) || WindowFromPoint(cursor) != window_.get()) {
    drawer_.Unhover();
    return;
  }
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_.get(), 0};
  TrackMouseEvent(&track);
  drawer_.Hover(point);
}

// The hovered link is drawn in its hover style (and its images in their hot
// style): the content is drawn again over the same rectangles.
void TipEngine::OnHoverChanged() {
  if (!WindowVisible() || content_.empty()) return;
  RenderContent(drawnTool_, drawnTool_.text);
  Repaint(machine_.transparency());
}

void TipEngine::ShowAt(int32_t x, int32_t y, const std::string& text, bool keepAutoHide) {
  machine_.ShowHelpTip(text, {x, y}, keepAutoHide);
}

void TipEngine::Relay(const MSG& msg) {
  if (PopsTheTip(msg.message)) {
    if (msg.message == WM_LBUTTONDOWN && msg.hwnd == window_.get() && window_) {
      drawer_.Click({GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
    }
    machine_.Pop();
    return;
  }
  if (msg.message == WM_MOUSEMOVE) {
    POINT cursor{};
    GetCursorPos(&cursor);
    machine_.OnMouseMove({cursor.x, cursor.y}, window_ && msg.hwnd == window_.get());
  }
}

void TipEngine::StartTimer(int32_t id, int32_t ms) {
  if (window_) SetTimer(window_.get(), static_cast<UINT_PTR>(id), static_cast<UINT>(std::max(ms, 1)), nullptr);
}

void TipEngine::StopTimer(int32_t id) {
  if (window_) KillTimer(window_.get(), static_cast<UINT_PTR>(id));
}

TipPoint TipEngine::Cursor() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

bool TipEngine::AskNotifyWindow(const TipTool& tool, TipPoint& point, std::string& text) {
  if (!notify_) return true;
  TipShowNotification n{};
  n.header.hwndFrom = window_.get();
  n.header.idFrom = controlId_;
  n.header.code = kTipShowNotify;
  n.toolWindow = reinterpret_cast<HWND>(tool.window);
  n.point = {point.x, point.y};
  n.text = &text;
  if (SendMessageA(notify_, WM_NOTIFY, controlId_, reinterpret_cast<LPARAM>(&n)) != 0) return false;
  point = {n.point.x, n.point.y};
  return true;
}

void TipEngine::RenderContent(const TipTool& tool, const std::string& text) {
  PixelCanvas canvas(width_, height_);
  if (!canvas.ok()) {
    content_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
    return;
  }
  HDC dc = canvas.dc();
  const RECT body{layout_.body.left, layout_.body.top, layout_.body.right, layout_.body.bottom};
  RichTextDrawer::DrawBackgroundEffect(dc, body, tool.effect, Resolve(tool.colours[0]), Resolve(tool.colours[1]),
                                       Resolve(tool.colours[2]), tool.granularity);
  if (layout_.window != layout_.body) ExtendIntoAnchor(dc, layout_);
  const RECT content{layout_.content.left, layout_.content.top, layout_.content.right, layout_.content.bottom};
  drawer_.Draw(dc, text.c_str(), content);
  if (look_.border && look_.borderWidth > 0 && look_.borderHeight > 0) {
    win::Region shape = ShapeRegion(layout_);
    win::Brush brush(CreateSolidBrush(Resolve(look_.borderColour)));
    if (shape && brush) {
      FrameRgn(dc, shape.get(), brush.get(), std::min(look_.borderWidth, width_),
               std::min(look_.borderHeight, height_));
    }
  }
  content_ = canvas.Pixels();
}

bool TipEngine::BuildAndShow(const TipTool& tool, TipPoint point, int32_t transparency) {
  if (!window_) return false;
  HideWindow();
  std::string text = tool.text;
  if (!AskNotifyWindow(tool, point, text) || text.empty()) return false;
  // What the last tip had under the mouse is nothing of this one's.
  drawer_.ForgetHover();

  // Kept inside the work area of the monitor holding the point, its margins,
  // anchor and shadow sized for that monitor's DPI. Nothing past the cap (that
  // work area) can be shown, so nothing past it is measured.
  const win::MonitorAreas monitor = win::MonitorAt(POINT{point.x, point.y});
  TipLayoutInput in;
  in.screen = {monitor.work.left, monitor.work.top, monitor.work.right, monitor.work.bottom};
  in.workArea = in.screen;
  in.geometry = ScaleGeometry(look_.geometry, monitor.dpi);
  in.shadowX = screen::Scale(look_.shadowX, monitor.dpi);
  in.shadowY = screen::Scale(look_.shadowY, monitor.dpi);
  const TipCap cap = CapOf(in);
  SIZE size{};
  {
    win::WindowDc dc(window_.get());
    size = drawer_.Measure(dc.get(), text.c_str(), SIZE{cap.width, cap.height});
  }
  in.point = point;
  in.contentWidth = size.cx;
  in.contentHeight = size.cy;
  in.placement = tool.placement;
  layout_ = LayOutTip(in);
  width_ = std::max(layout_.windowWidth, 1);
  height_ = std::max(layout_.windowHeight, 1);

  win::Region shape = ShapeRegion(layout_);
  if (!shape) return false;
  shape_ = Coverage(shape.get(), width_, height_);
  // The layout's shadow offset: the scaled one cut to the tip's cap.
  const TipPoint offset = layout_.shadow;
  const bool hasShadow = offset.x != 0 || offset.y != 0;
  win::Region region(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(region.get(), shape.get(), nullptr, RGN_COPY);
  if (hasShadow) {
    win::Region moved(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(moved.get(), shape.get(), nullptr, RGN_COPY);
    OffsetRgn(moved.get(), offset.x, offset.y);
    CombineRgn(region.get(), region.get(), moved.get(), RGN_OR);
    shadow_ = Shifted(shape_, width_, height_, offset.x, offset.y);
    if (look_.softShadow) {
      BoxBlur(shadow_, width_, height_, std::min(screen::Scale(look_.blurX, monitor.dpi), width_),
              std::min(screen::Scale(look_.blurY, monitor.dpi), height_));
    }
  } else {
    shadow_.clear();
  }
  // The window owns the region from here on.
  SetWindowRgn(window_.get(), region.release(), FALSE);

  drawnTool_ = tool;
  drawnTool_.text = std::move(text);
  RenderContent(drawnTool_, drawnTool_.text);
  std::vector<uint32_t> previous = std::move(snapshot_);
  const TipRect previousRect = lastRect_;
  snapshot_ = Snapshot(layout_.origin, width_, height_);
  if (hiddenRecently_ && GetTickCount() - hiddenAt_ < kRepaintGraceMs) {
    PatchFromPrevious(snapshot_,
                      {layout_.origin.x, layout_.origin.y, layout_.origin.x + width_, layout_.origin.y + height_},
                      previous, previousRect);
  }
  hiddenRecently_ = false;
  lastRect_ = {layout_.origin.x, layout_.origin.y, layout_.origin.x + width_, layout_.origin.y + height_};
  Compose(transparency);
  SetWindowPos(window_.get(), HWND_TOPMOST, layout_.origin.x, layout_.origin.y, width_, height_,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  // Wine draws a window shown later above an earlier topmost one; this puts
  // the tip back in front.
  SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  {
    win::WindowDc dc(window_.get());
    Blit(dc.get());
  }
  ValidateRect(window_.get(), nullptr);
  return true;
}

void TipEngine::Compose(int32_t transparency) {
  const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  if (snapshot_.size() != count || content_.size() != count || shape_.size() != count) return;
  composed_.resize(count);
  ComposeInput in;
  in.snapshot = snapshot_.data();
  in.content = content_.data();
  in.shape = shape_.data();
  in.shadow = shadow_.size() == count ? shadow_.data() : nullptr;
  in.count = count;
  in.grey = ShadowGrey(look_.darkness, transparency);
  in.transparency = transparency;
  tip::Compose(in, composed_.data());
}

void TipEngine::Blit(HDC dc) {
  if (composed_.empty() || composed_.size() != static_cast<size_t>(width_) * static_cast<size_t>(height_)) return;
  const BITMAPINFO info = win::TopDownDibInfo(width_, height_);
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                    static_cast<UINT>(height_), composed_.data(), &info, DIB_RGB_COLORS);
}

void TipEngine::Repaint(int32_t transparency) {
  if (!window_) return;
  Compose(transparency);
  win::WindowDc dc(window_.get());
  Blit(dc.get());
}

bool TipEngine::WindowVisible() { return window_ && IsWindowVisible(window_.get()); }

void TipEngine::HideWindow() {
  if (!WindowVisible()) return;
  SetWindowPos(window_.get(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  hiddenRecently_ = true;
  hiddenAt_ = GetTickCount();
}

void TipEngine::PostClosed() {
  if (notify_) PostMessageA(notify_, kTipClosedMessage, 1, 0);
}

}  // namespace lizhi::tip
