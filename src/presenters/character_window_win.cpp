#include "presenters/character_window_win.h"

#include <windowsx.h>

#include <cstring>

#include "presenters/character.h"
#include "presenters/character_balloon.h"
#include "runtime/base/memory.h"
#include "runtime/base/monitor_dpi_win.h"
#include "runtime/base/window_class_win.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/tip_engine_win.h"

namespace lizhi::presenters {

namespace {

constexpr char kClass[] = "LizhiCharacter";
constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT_PTR kClickTimer = 2;

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
  if (!window_) return;
  SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
  window_.reset();
}

bool CharacterWindow::Create() {
  if (window_) return true;
  if (!frameBitmap_) {
    if (dpi_ <= 0) dpi_ = win::PrimaryMonitor().dpi;
    if (!LoadFrames(dpi_)) return false;
  }
  return MakeWindow();
}

bool CharacterWindow::LoadFrames(int32_t dpi) {
  const data::CharacterArt art = data::OwnCharacterArt(dpi);
  if (frameBitmap_ && art.width == width_ && art.height == height_) return true;
  frameSelected_.reset();
  frameRegions_.clear();
  frameBitmap_.reset();
  width_ = art.width;
  height_ = art.height;
  animation_.SetHeight(height_);
  shown_ = {-1, 0};
  shownShape_ = -1;
  const int32_t frames = static_cast<int32_t>(art.frames.size());

  win::TopDownDib dib = win::CreateTopDownDib(nullptr, width_, height_ * frames);
  frameBitmap_ = std::move(dib.bitmap);
  frameDc_.reset(CreateCompatibleDC(nullptr));
  if (!frameBitmap_ || !frameDc_ || !dib.pixels) return false;
  uint32_t* pixels = dib.pixels;
  for (int32_t f = 0; f < frames; ++f) {
    CharacterPixels frame = DecodeCharacterFrame(art, f);
    if (frame.colours.empty()) return false;
    std::memcpy(pixels + static_cast<size_t>(f) * frame.colours.size(), frame.colours.data(),
                frame.colours.size() * sizeof(uint32_t));
    frameRegions_.emplace_back(RegionOfRuns(OpaqueRuns(frame.opaque, width_, height_)));
    if (!frameRegions_.back()) return false;
  }
  frameSelected_.emplace(frameDc_.get(), frameBitmap_.get());
  return true;
}

void CharacterWindow::OnDpiChanged(int32_t dpi, const RECT* suggested) {
  if (dpi <= 0 || !LoadFrames(dpi)) return;
  dpi_ = dpi;
  RECT r{};
  if (suggested) {
    r = *suggested;
  } else {
    GetWindowRect(window_.get(), &r);
  }
  SetWindowPos(window_.get(), nullptr, r.left, r.top, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
  Update();
}

bool CharacterWindow::MakeWindow() {
  if (!win::RegisterObjectClass<CharacterWindow>(kClass, 0, IDC_HAND)) return false;
  window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClass, "", WS_POPUP, 0, 0, width_,
                                height_, owner_, nullptr, GetModuleHandleA(nullptr), this));
  return static_cast<bool>(window_);
}

bool CharacterWindow::PlaceAt(int32_t x, int32_t y) {
  if (!frameBitmap_) dpi_ = win::DpiAt(POINT{x, y});
  if (!Create()) return false;
  SetWindowPos(window_.get(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void CharacterWindow::Show() {
  if (!Create()) return;
  if (!IsWindowVisible(window_.get())) {
    animation_.Appear(GetTickCount());
    Update();
  }
  // Topmost, then to the top of the topmost: a window shown later is drawn
  // above an earlier topmost one otherwise (seen under Wine).
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, flags | SWP_SHOWWINDOW);
  SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, flags);
}

void CharacterWindow::Hide() {
  if (!window_) return;
  KillTimer(window_.get(), kAnimationTimer);
  KillTimer(window_.get(), kClickTimer);
  if (balloon_) balloon_->Pop();
  ShowWindow(window_.get(), SW_HIDE);
}

void CharacterWindow::Speak(std::string_view line) {
  if (!visible()) return;
  if (!balloon_) {
    balloon_ = std::make_unique<tip::TipEngine>(window_.get());
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
  GetWindowRect(window_.get(), &r);
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
  KillTimer(window_.get(), kAnimationTimer);
  const DWORD now = GetTickCount();
  const CharacterPicture picture = animation_.PictureAt(now);
  if (picture != shown_) {
    const int32_t shape = ShapeOf(picture.frame);
    if (shape != ShapeOf(shown_.frame) || picture.sink != shown_.sink || shownShape_ < 0) {
      win::Region region(CreateRectRgn(0, 0, 0, 0));
      CombineRgn(region.get(), frameRegions_[static_cast<size_t>(shape)].get(), nullptr, RGN_COPY);
      if (picture.sink > 0) {
        OffsetRgn(region.get(), 0, picture.sink);
        win::Region inside(CreateRectRgn(0, 0, width_, height_));
        CombineRgn(region.get(), region.get(), inside.get(), RGN_AND);
      }
      SetWindowRgn(window_.get(), region.release(), TRUE);  // the window owns the region from here
      shownShape_ = shape;
    }
    shown_ = picture;
    InvalidateRect(window_.get(), nullptr, FALSE);
  }
  if (IsWindowVisible(window_.get()) || picture.sink > 0)
    SetTimer(window_.get(), kAnimationTimer, animation_.NextChangeIn(now), nullptr);
}

void CharacterWindow::Paint() {
  win::Paint paint(window_.get());
  const int32_t frame = shown_.frame < 0 ? 0 : shown_.frame;
  BitBlt(paint.dc(), 0, shown_.sink, width_, height_ - shown_.sink, frameDc_.get(), 0, frame * height_, SRCCOPY);
}

POINT CharacterWindow::ScreenPoint(LPARAM lParam) const {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window_.get(), &p);
  return p;
}

void CharacterWindow::Apply(const PointerResult& result, int32_t keys, POINT at) {
  if (result.releaseCapture && GetCapture() == window_.get()) ReleaseCapture();
  switch (result.action) {
    case PointerAction::kCapture: {
      SetCapture(window_.get());
      RECT r;
      GetWindowRect(window_.get(), &r);
      windowAtPress_ = {r.left, r.top};
      return;
    }
    case PointerAction::kDragTo:
      if (balloon_) balloon_->Pop();
      SetWindowPos(window_.get(), nullptr, windowAtPress_.x + result.offset.x, windowAtPress_.y + result.offset.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    case PointerAction::kStartClickTimer:
      SetTimer(window_.get(), kClickTimer, result.delayMs, nullptr);
      return;
    case PointerAction::kClick:
    case PointerAction::kMenu:
      if (callbacks_.click) callbacks_.click(callbacks_.context, keys, at.x, at.y);
      return;
    case PointerAction::kDoubleClick:
      KillTimer(window_.get(), kClickTimer);
      if (callbacks_.doubleClick) callbacks_.doubleClick(callbacks_.context, keys, at.x, at.y);
      return;
    case PointerAction::kDragEnd:
    case PointerAction::kNone:
      return;
  }
}

LRESULT CharacterWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_TIMER:
      OnTimer(wParam);
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
      OnGone();
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_.get()) pointer_.CaptureLost();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void CharacterWindow::OnTimer(WPARAM id) {
  if (id == kAnimationTimer) {
    Update();
  } else if (id == kClickTimer) {
    KillTimer(window_.get(), kClickTimer);
    POINT cursor{};
    GetCursorPos(&cursor);
    Apply(pointer_.ClickTimerFired(), 0, cursor);
  }
}

// Gone with its owner: a later show makes a new one.
void CharacterWindow::OnGone() {
  balloon_.reset();
  window_.release();
  shown_ = {-1, 0};
  shownShape_ = -1;
}

}  // namespace lizhi::presenters
