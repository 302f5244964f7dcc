#include "presenters/character_window_win.h"

#include <windowsx.h>

#include <cstring>

#include "presenters/character.h"
#include "presenters/character_balloon.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/tip_engine_win.h"

namespace lizhi::presenters {

namespace {

constexpr char kClass[] = "LizhiCharacter";
constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT_PTR kClickTimer = 2;

bool RegisterCharacterClass() {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kClass, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.style = 0;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
  wc.lpszClassName = kClass;
  return RegisterClassExA(&wc) != 0;
}

// The frames whose outline differs: idle, blink and speak share one.
int32_t ShapeOf(int32_t frame) { return frame <= data::kFrameSpeak ? data::kFrameIdle : frame; }

HRGN RegionOfRuns(const std::vector<PixelRun>& runs) {
  std::vector<uint8_t> bytes(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(runs.size());
  RECT bounds{0, 0, 0, 0};
  for (size_t i = 0; i < runs.size(); ++i) {
    const RECT r{runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1};
    std::memcpy(bytes.data() + sizeof(RGNDATAHEADER) + i * sizeof(RECT), &r, sizeof r);
    UnionRect(&bounds, &bounds, &r);
  }
  data->rdh.rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()), data);
}

}  // namespace

CharacterWindow::CharacterWindow(HWND owner, CharacterCallbacks callbacks)
    : owner_(owner),
      callbacks_(callbacks),
      animation_(data::OwnCharacterArt().height),
      pointer_(GetSystemMetrics(SM_CXDRAG), GetDoubleClickTime()) {}

CharacterWindow::~CharacterWindow() {
  balloon_.reset();
  if (frameDc_ && previousBitmap_) SelectObject(frameDc_.get(), previousBitmap_);
  if (window_ && IsWindow(window_)) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool CharacterWindow::Create() {
  if (window_) return true;
  if (frameBitmap_) return MakeWindow();
  const data::CharacterArt art = data::OwnCharacterArt();
  width_ = art.width;
  height_ = art.height;
  const int32_t frames = static_cast<int32_t>(art.frames.size());

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_ * frames;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  frameBitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  frameDc_.reset(CreateCompatibleDC(nullptr));
  if (!frameBitmap_ || !frameDc_ || !bits) return false;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int32_t f = 0; f < frames; ++f) {
    CharacterPixels frame = DecodeCharacterFrame(art, f);
    if (frame.colours.empty()) return false;
    std::memcpy(pixels + static_cast<size_t>(f) * frame.colours.size(), frame.colours.data(),
                frame.colours.size() * sizeof(uint32_t));
    frameRegions_.emplace_back(RegionOfRuns(OpaqueRuns(frame.opaque, width_, height_)));
    if (!frameRegions_.back()) return false;
  }
  previousBitmap_ = SelectObject(frameDc_.get(), frameBitmap_.get());
  return MakeWindow();
}

bool CharacterWindow::MakeWindow() {
  if (!RegisterCharacterClass()) return false;
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClass, "", WS_POPUP, 0, 0, width_,
                            height_, owner_, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window_) return false;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CharacterWindow::WindowProc));
  return true;
}

bool CharacterWindow::PlaceAt(int32_t x, int32_t y) {
  if (!Create()) return false;
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void CharacterWindow::Show() {
  if (!Create()) return;
  if (!IsWindowVisible(window_)) {
    animation_.Appear(GetTickCount());
    Update();
  }
  // Topmost, then to the top of the topmost: a window shown later is drawn
  // above an earlier topmost one otherwise (seen under Wine).
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, flags | SWP_SHOWWINDOW);
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, flags);
}

void CharacterWindow::Hide() {
  if (!window_) return;
  KillTimer(window_, kAnimationTimer);
  KillTimer(window_, kClickTimer);
  if (balloon_) balloon_->Pop();
  ShowWindow(window_, SW_HIDE);
}

void CharacterWindow::Speak(std::string_view line) {
  if (!visible()) return;
  if (!balloon_) {
    balloon_ = std::make_unique<tip::TipEngine>(window_);
    if (!balloon_->ok() || !tip::ListTipEngine(balloon_.get())) {
      balloon_.reset();
    } else {
      balloon_->drawer().SetStyleSheet(tip::kDefaultStyleSheet);
    }
  }
  animation_.Speak(GetTickCount(), line.size());
  Update();
  if (!balloon_) return;
  RECT r;
  GetWindowRect(window_, &r);
  const BalloonAnchor anchor = BalloonAnchorFor({r.left, r.top, r.right, r.bottom}, tip::VirtualScreenRect());
  balloon_->settings().defaults.placement = anchor.placement;
  balloon_->ShowAt(anchor.point.x, anchor.point.y, std::string(line), false);
}

void CharacterWindow::Greet() {
  if (!visible()) return;
  animation_.Greet(GetTickCount());
  Update();
}

void CharacterWindow::Update() {
  KillTimer(window_, kAnimationTimer);
  const DWORD now = GetTickCount();
  const CharacterPicture picture = animation_.PictureAt(now);
  if (picture != shown_) {
    const int32_t shape = ShapeOf(picture.frame);
    if (shape != ShapeOf(shown_.frame) || picture.sink != shown_.sink || shownShape_ < 0) {
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      CombineRgn(region, static_cast<HRGN>(frameRegions_[static_cast<size_t>(shape)].get()), nullptr, RGN_COPY);
      if (picture.sink > 0) {
        OffsetRgn(region, 0, picture.sink);
        win::GdiObject inside(CreateRectRgn(0, 0, width_, height_));
        CombineRgn(region, region, static_cast<HRGN>(inside.get()), RGN_AND);
      }
      SetWindowRgn(window_, region, TRUE);  // the window owns the region from here
      shownShape_ = shape;
    }
    shown_ = picture;
    InvalidateRect(window_, nullptr, FALSE);
  }
  if (IsWindowVisible(window_) || picture.sink > 0)
    SetTimer(window_, kAnimationTimer, animation_.NextChangeIn(now), nullptr);
}

void CharacterWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  const int32_t frame = shown_.frame < 0 ? 0 : shown_.frame;
  BitBlt(dc, 0, shown_.sink, width_, height_ - shown_.sink, frameDc_.get(), 0, frame * height_, SRCCOPY);
  EndPaint(window_, &ps);
}

POINT CharacterWindow::ScreenPoint(LPARAM lParam) const {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window_, &p);
  return p;
}

void CharacterWindow::Apply(const PointerResult& result, int32_t keys, POINT at) {
  if (result.releaseCapture && GetCapture() == window_) ReleaseCapture();
  switch (result.action) {
    case PointerAction::kCapture: {
      SetCapture(window_);
      RECT r;
      GetWindowRect(window_, &r);
      windowAtPress_ = {r.left, r.top};
      return;
    }
    case PointerAction::kDragTo:
      if (balloon_) balloon_->Pop();
      SetWindowPos(window_, nullptr, windowAtPress_.x + result.offset.x, windowAtPress_.y + result.offset.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    case PointerAction::kStartClickTimer:
      SetTimer(window_, kClickTimer, result.delayMs, nullptr);
      return;
    case PointerAction::kClick:
    case PointerAction::kMenu:
      if (callbacks_.click) callbacks_.click(callbacks_.context, keys, at.x, at.y);
      return;
    case PointerAction::kDoubleClick:
      KillTimer(window_, kClickTimer);
      if (callbacks_.doubleClick) callbacks_.doubleClick(callbacks_.context, keys, at.x, at.y);
      return;
    case PointerAction::kDragEnd:
    case PointerAction::kNone:
      return;
  }
}

LRESULT CALLBACK CharacterWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CharacterWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT CharacterWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_TIMER:
      if (wParam == kAnimationTimer) {
        Update();
      } else if (wParam == kClickTimer) {
        KillTimer(window_, kClickTimer);
        POINT cursor{};
        GetCursorPos(&cursor);
        Apply(pointer_.ClickTimerFired(), 0, cursor);
      }
      return 0;
    case WM_LBUTTONDOWN: {
      const POINT at = ScreenPoint(lParam);
      Apply(pointer_.LeftDown(static_cast<uint32_t>(GetMessageTime()), {at.x, at.y}), 0, at);
      return 0;
    }
    case WM_MOUSEMOVE: {
      const POINT at = ScreenPoint(lParam);
      Apply(pointer_.Move({at.x, at.y}), 0, at);
      return 0;
    }
    case WM_LBUTTONUP:
      Apply(pointer_.LeftUp(static_cast<uint32_t>(GetMessageTime())), 0, ScreenPoint(lParam));
      return 0;
    case WM_RBUTTONUP:
      Apply(pointer_.RightUp(), MK_RBUTTON, ScreenPoint(lParam));
      return 0;
    case WM_NCDESTROY:
      // Gone with its owner: a later show makes a new one.
      {
        HWND gone = window_;
        balloon_.reset();
        window_ = nullptr;
        shown_ = {-1, 0};
        shownShape_ = -1;
        return DefWindowProcA(gone, message, wParam, lParam);
      }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) pointer_.CaptureLost();
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

}  // namespace lizhi::presenters
