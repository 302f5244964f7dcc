// Our own agent character on the screen: a borderless, always-on-top tool
// window that never takes the activation, shaped to the character by a window
// region, with its animation, its speech balloon (the tip engine, pointing at
// its head) and its mouse handling (click, double click, right click, drag).
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "presenters/character_frames.h"
#include "presenters/character_pointer.h"
#include "runtime/base/win_handles.h"

namespace lizhi::tip {
class TipEngine;
}

namespace lizhi::presenters {

// What a click or double click on the character reports: the mouse keys
// (MK_RBUTTON for the right button) and the screen point.
using CharacterMouseFn = void (*)(void* context, int32_t keys, int32_t x, int32_t y);

struct CharacterCallbacks {
  CharacterMouseFn click = nullptr;
  CharacterMouseFn doubleClick = nullptr;
  void* context = nullptr;
};

class CharacterWindow {
 public:
  // The window is made on first use, owned by `owner` (may be null).
  CharacterWindow(HWND owner, CharacterCallbacks callbacks);
  ~CharacterWindow();
  CharacterWindow(const CharacterWindow&) = delete;
  CharacterWindow& operator=(const CharacterWindow&) = delete;

  // Top-left corner on the screen; the character stays there until dragged,
  // drawn at the size nearest to that monitor's DPI (and again for another
  // DPI when Windows reports one with WM_DPICHANGED).
  bool PlaceAt(int32_t x, int32_t y);
  // Shown with its appearing animation, without taking the activation.
  void Show();
  void Hide();
  // The line in the speech balloon (rich text, as the balloon mode shows it),
  // replacing the one before; nothing while the character is hidden.
  void Speak(std::string_view line);
  void Greet();

  HWND window() const { return window_.get(); }
  tip::TipEngine* balloon() const { return balloon_.get(); }
  bool visible() const { return window_ && IsWindowVisible(window_.get()); }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  // For the window class: every message of the character's window.
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void OnTimer(WPARAM id);
  void OnGone();
  bool Create();
  bool LoadFrames(int32_t dpi);  // the frames, shapes and size drawn for `dpi`
  void OnDpiChanged(int32_t dpi, const RECT* suggested);
  bool MakeWindow();
  void Update();  // shows the current picture and sets the timer for the next
  void Paint();
  void Apply(const PointerResult& result, int32_t keys, POINT at);
  POINT ScreenPoint(LPARAM lParam) const;

  HWND owner_;
  CharacterCallbacks callbacks_;
  win::Window window_;
  int32_t width_ = 0, height_ = 0;
  int32_t dpi_ = 0;  // 0: the primary monitor's, asked when first drawn
  win::MemoryDc frameDc_;
  win::Bitmap frameBitmap_;  // every frame, one below the other
  std::optional<win::Selected> frameSelected_;
  std::vector<win::Region> frameRegions_;
  CharacterAnimation animation_;
  CharacterPicture shown_{-1, 0};
  int32_t shownShape_ = -1;
  CharacterPointer pointer_;
  POINT windowAtPress_{};
  std::unique_ptr<tip::TipEngine> balloon_;
};

}  // namespace lizhi::presenters
