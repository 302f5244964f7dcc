#include "units/tip/tip_engine_win.h"

#include <windowsx.h>

#include <algorithm>

#include "units/tip/tip_compose.h"
#include "units/tip/tip_properties.h"

namespace lizhi::tip {

namespace {

constexpr char kWindowClass[] = "LizhiBalloonTip";

bool RegisterTipClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kWindowClass;
    return RegisterClassA(&wc) != 0;
  }();
  return registered;
}

COLORREF Resolve(uint32_t colour) {
  return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour & 0xFFFFFF);
}

BITMAPINFO TopDownInfo(int32_t width, int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A 32-bit top-down DIB section selected into its own memory DC for a scope.
class PixelCanvas {
 public:
  PixelCanvas(int32_t width, int32_t height) : count_(static_cast<size_t>(width) * static_cast<size_t>(height)) {
    BITMAPINFO info = TopDownInfo(width, height);
    win::WindowDc screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (dc_ && bitmap_) previous_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~PixelCanvas() {
    if (previous_) SelectObject(dc_.get(), previous_);
  }
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;

  bool ok() const { return previous_ != nullptr && bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  // The pixels as 0x00RRGGBB, after GDI has finished drawing.
  std::vector<uint32_t> Pixels() const {
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits_);
    std::vector<uint32_t> out(p, p + count_);
    for (uint32_t& v : out) v &= 0xFFFFFF;
    return out;
  }

 private:
  size_t count_;
  win::MemoryDc dc_;
  win::GdiObject bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

HRGN ShapeRegion(const TipLayout& l) {
  HRGN shape = CreateRoundRectRgn(l.body.left, l.body.top, l.body.right + 1, l.body.bottom + 1, l.corner.x, l.corner.y);
  if (shape && l.hasTriangle) {
    POINT points[3];
    for (size_t i = 0; i < 3; ++i) points[i] = {l.triangle[i].x, l.triangle[i].y};
    win::GdiObject triangle(CreatePolygonRgn(points, 3, WINDING));
    if (triangle) CombineRgn(shape, shape, static_cast<HRGN>(triangle.get()), RGN_OR);
  }
  return shape;
}

std::vector<uint8_t> Coverage(HRGN region, int32_t width, int32_t height) {
  PixelCanvas canvas(width, height);
  std::vector<uint8_t> out(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  if (!canvas.ok()) return out;
  FillRgn(canvas.dc(), region, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  std::vector<uint32_t> pixels = canvas.Pixels();
  for (size_t i = 0; i < out.size(); ++i) out[i] = pixels[i] != 0 ? 255 : 0;
  return out;
}

// What the screen shows under the window's rectangle, taken before the window
// is shown: on a composited desktop a capture after showing returns the
// window's own unpainted surface.
std::vector<uint32_t> Snapshot(TipPoint origin, int32_t width, int32_t height) {
  PixelCanvas canvas(width, height);
  if (!canvas.ok()) return std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  win::WindowDc screen(nullptr);
  BitBlt(canvas.dc(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY | CAPTUREBLT);
  return canvas.Pixels();
}

// How long after a hide the windows beneath may still be repainting.
constexpr DWORD kRepaintGraceMs = 1000;

// Where the new tip overlaps the one just hidden, the screen may still show the
// old tip (the windows beneath repaint in their own time): the old snapshot
// knows what lies there.
void PatchFromPrevious(std::vector<uint32_t>& snapshot, const TipRect& rect, const std::vector<uint32_t>& previous,
                       const TipRect& previousRect) {
  if (previous.size() != static_cast<size_t>(previousRect.width()) * static_cast<size_t>(previousRect.height())) {
    return;
  }
  const int32_t left = std::max(rect.left, previousRect.left), right = std::min(rect.right, previousRect.right);
  const int32_t top = std::max(rect.top, previousRect.top), bottom = std::min(rect.bottom, previousRect.bottom);
  for (int32_t y = top; y < bottom; ++y) {
    for (int32_t x = left; x < right; ++x) {
      snapshot[static_cast<size_t>(y - rect.top) * static_cast<size_t>(rect.width()) +
               static_cast<size_t>(x - rect.left)] =
          previous[static_cast<size_t>(y - previousRect.top) * static_cast<size_t>(previousRect.width()) +
                   static_cast<size_t>(x - previousRect.left)];
    }
  }
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

struct HookState {
  std::vector<TipEngine*> engines;
  HHOOK hook = nullptr;
};

HookState& Hooks() {
  static HookState state;
  return state;
}

// Every message the thread retrieves (not the ones it only peeks at) reaches
// every live engine.
LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == PM_REMOVE) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    std::vector<TipEngine*>& engines = Hooks().engines;
    // By index: a relayed message may end an engine.
    for (size_t i = 0; i < engines.size(); ++i) engines[i]->Relay(msg);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
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

bool ListTipEngine(TipEngine* engine) {
  HookState& state = Hooks();
  if (!state.hook) state.hook = SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
  if (!state.hook) return false;
  if (std::find(state.engines.begin(), state.engines.end(), engine) == state.engines.end()) {
    state.engines.push_back(engine);
  }
  return true;
}

void UnlistTipEngine(TipEngine* engine) {
  HookState& state = Hooks();
  std::erase(state.engines, engine);
  if (state.engines.empty() && state.hook) {
    UnhookWindowsHookEx(state.hook);
    state.hook = nullptr;
  }
}


TipEngine::TipEngine(HWND owner) {
  const COLORREF infoBack = GetSysColor(COLOR_INFOBK);
  TipTool& d = machine_.settings.defaults;
  d.colours[0] = d.colours[1] = d.colours[2] = infoBack;
  look_.borderColour = GetSysColor(COLOR_INFOTEXT);
  if (!RegisterTipClass()) return;
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (!window_) return;
  // The class keeps the default procedure; each tip window gets its engine's.
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TipEngine::WindowProc));
}

TipEngine::~TipEngine() {
  UnlistTipEngine(this);
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

LRESULT CALLBACK TipEngine::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* engine = reinterpret_cast<TipEngine*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!engine) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      engine->machine_.OnTimer(static_cast<int32_t>(wParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      engine->Blit(dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      engine->drawer_.Hover({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void TipEngine::ShowAt(int32_t x, int32_t y, const std::string& text, bool keepAutoHide) {
  machine_.ShowHelpTip(text, {x, y}, keepAutoHide);
}

void TipEngine::Relay(const MSG& msg) {
  if (PopsTheTip(msg.message)) {
    if (msg.message == WM_LBUTTONDOWN && msg.hwnd == window_ && window_) {
      drawer_.Click({GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
    }
    machine_.Pop();
    return;
  }
  if (msg.message == WM_MOUSEMOVE) {
    POINT cursor{};
    GetCursorPos(&cursor);
    machine_.OnMouseMove({cursor.x, cursor.y}, window_ && msg.hwnd == window_);
  }
}

void TipEngine::StartTimer(int32_t id, int32_t ms) {
  if (window_) SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(std::max(ms, 1)), nullptr);
}

void TipEngine::StopTimer(int32_t id) {
  if (window_) KillTimer(window_, static_cast<UINT_PTR>(id));
}

TipPoint TipEngine::Cursor() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

bool TipEngine::AskNotifyWindow(const TipTool& tool, TipPoint& point, std::string& text) {
  if (!notify_) return true;
  TipShowNotification n{};
  n.header.hwndFrom = window_;
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
    win::GdiObject shape(ShapeRegion(layout_));
    win::GdiObject brush(CreateSolidBrush(Resolve(look_.borderColour)));
    if (shape && brush) {
      FrameRgn(dc, static_cast<HRGN>(shape.get()), static_cast<HBRUSH>(brush.get()), look_.borderWidth,
               look_.borderHeight);
    }
  }
  content_ = canvas.Pixels();
}

bool TipEngine::BuildAndShow(const TipTool& tool, TipPoint point, int32_t transparency) {
  if (!window_) return false;
  HideWindow();
  std::string text = tool.text;
  if (!AskNotifyWindow(tool, point, text) || text.empty()) return false;

  SIZE size{};
  {
    win::WindowDc dc(window_);
    size = drawer_.Measure(dc.get(), text.c_str());
  }
  TipLayoutInput in;
  in.point = point;
  in.contentWidth = size.cx;
  in.contentHeight = size.cy;
  in.placement = tool.placement;
  in.geometry = look_.geometry;
  in.screen = VirtualScreenRect();
  in.shadowX = look_.shadowX;
  in.shadowY = look_.shadowY;
  layout_ = LayOutTip(in);
  width_ = std::max(layout_.windowWidth, 1);
  height_ = std::max(layout_.windowHeight, 1);

  win::GdiObject shape(ShapeRegion(layout_));
  if (!shape) return false;
  shape_ = Coverage(static_cast<HRGN>(shape.get()), width_, height_);
  const bool hasShadow = look_.shadowX != 0 || look_.shadowY != 0;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(region, static_cast<HRGN>(shape.get()), nullptr, RGN_COPY);
  if (hasShadow) {
    win::GdiObject moved(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(static_cast<HRGN>(moved.get()), static_cast<HRGN>(shape.get()), nullptr, RGN_COPY);
    OffsetRgn(static_cast<HRGN>(moved.get()), look_.shadowX, look_.shadowY);
    CombineRgn(region, region, static_cast<HRGN>(moved.get()), RGN_OR);
    shadow_ = Shifted(shape_, width_, height_, look_.shadowX, look_.shadowY);
    if (look_.softShadow) BoxBlur(shadow_, width_, height_, look_.blurX, look_.blurY);
  } else {
    shadow_.clear();
  }
  // The window owns the region from here on.
  SetWindowRgn(window_, region, FALSE);

  RenderContent(tool, text);
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
  SetWindowPos(window_, HWND_TOPMOST, layout_.origin.x, layout_.origin.y, width_, height_,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  // Wine draws a window shown later above an earlier topmost one; this puts
  // the tip back in front.
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  {
    win::WindowDc dc(window_);
    Blit(dc.get());
  }
  ValidateRect(window_, nullptr);
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
  BITMAPINFO info = TopDownInfo(width_, height_);
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                    static_cast<UINT>(height_), composed_.data(), &info, DIB_RGB_COLORS);
}

void TipEngine::Repaint(int32_t transparency) {
  if (!window_) return;
  Compose(transparency);
  win::WindowDc dc(window_);
  Blit(dc.get());
}

bool TipEngine::WindowVisible() { return window_ && IsWindowVisible(window_); }

void TipEngine::HideWindow() {
  if (!WindowVisible()) return;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  hiddenRecently_ = true;
  hiddenAt_ = GetTickCount();
}

void TipEngine::PostClosed() {
  if (notify_) PostMessageA(notify_, kTipClosedMessage, 1, 0);
}

}  // namespace lizhi::tip
