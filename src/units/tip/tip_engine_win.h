// The tip engine on Windows: the BalloonTip window, its timers, the build of
// one show (measure, placement, region, background, screen snapshot) and the
// painting of every paint and fade step. Usable on its own, without a Q_tip
// unit: make one, give it a notification window if wanted, call ShowAt.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/rich_text_drawer.h"
#include "units/tip/tip_layout.h"
#include "units/tip/tip_state.h"

namespace lizhi::tip {

constexpr UINT kTipShowNotify = 0x464;  // WM_NOTIFY code: a tip is about to be shown
constexpr UINT kTipClosedMessage = 0x8D2;
constexpr UINT kTipLinkMessage = 0x8100;

// What the notification window gets with kTipShowNotify; it may change the
// point and the text. A non-zero answer cancels the show.
struct TipShowNotification {
  NMHDR header;
  HWND toolWindow;
  POINT point;  // screen coordinates
  std::string* text;
};

struct TipLook {
  TipGeometry geometry = kBalloonGeometry;
  COLORREF borderColour = 0;
  int32_t borderWidth = 1, borderHeight = 1;
  bool border = true;  // a border brush is set
  int32_t shadowX = 6, shadowY = 6;
  int32_t darkness = 50;
  bool softShadow = true;
  int32_t blurX = 7, blurY = 7;
};

class TipEngine final : private TipPlatform {
 public:
  // The engine with its built-in defaults; the BalloonTip window is made
  // owned by `owner` (may be null).
  explicit TipEngine(HWND owner);
  ~TipEngine() override;
  TipEngine(const TipEngine&) = delete;
  TipEngine& operator=(const TipEngine&) = delete;

  bool ok() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  void SetNotifyWindow(HWND window, UINT controlId) {
    notify_ = window;
    controlId_ = controlId;
  }

  TipMachine& machine() { return machine_; }
  TipSettings& settings() { return machine_.settings; }
  TipLook& look() { return look_; }
  RichTextDrawer& drawer() { return drawer_; }

  // ShowTipAt: at once, at screen point (x, y), in help-tip mode.
  void ShowAt(int32_t x, int32_t y, const std::string& text, bool keepAutoHide);
  void Pop() { machine_.Pop(); }
  // A message the program's thread retrieved, from the thread hook.
  void Relay(const MSG& msg);

  // The placement and rectangles of the current show, for tests.
  const TipLayout& layout() const { return layout_; }
  // Composes and paints the current show at `transparency`.
  void PaintNow(int32_t transparency) { Repaint(transparency); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void StartTimer(int32_t id, int32_t ms) override;
  void StopTimer(int32_t id) override;
  TipPoint Cursor() override;
  bool BuildAndShow(const TipTool& tool, TipPoint point, int32_t transparency) override;
  void Repaint(int32_t transparency) override;
  bool WindowVisible() override;
  void HideWindow() override;
  void PostClosed() override;

  bool AskNotifyWindow(const TipTool& tool, TipPoint& point, std::string& text);
  void RenderContent(const TipTool& tool, const std::string& text);
  void Compose(int32_t transparency);
  void Blit(HDC dc);

  HWND window_ = nullptr;
  HWND notify_ = nullptr;
  UINT controlId_ = 0;
  TipMachine machine_{*this};
  TipLook look_;
  RichTextDrawer drawer_;

  // Per show.
  TipLayout layout_;
  int32_t width_ = 0, height_ = 0;
  std::vector<uint32_t> snapshot_, content_, composed_;
  std::vector<uint8_t> shape_, shadow_;
  // Where the last show stood and when it was hidden: the screen beneath may
  // not have repainted yet, and its snapshot still knows what lies there.
  TipRect lastRect_;
  DWORD hiddenAt_ = 0;
  bool hiddenRecently_ = false;
};

// The engines alive in this process and the one thread message hook that
// relays the thread's messages to them; the hook goes with the last engine.
bool ListTipEngine(TipEngine* engine);
void UnlistTipEngine(TipEngine* engine);

// The virtual screen rectangle.
TipRect VirtualScreenRect();

}  // namespace lizhi::tip
