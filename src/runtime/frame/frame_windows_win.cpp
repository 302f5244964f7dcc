#include "runtime/frame/frame_windows_win.h"

#include <memory>

#include "runtime/base/win_handles.h"
#include "runtime/base/window_class_win.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/property_indexes.h"
#include "runtime/frame/unit_host.h"
#include "runtime/menus/menu_model.h"
#include "runtime/menus/menu_windows_win.h"
#include "runtime/template/unit_blocks.h"

namespace lizhi::rt {

namespace {

constexpr char kWindowClass[] = "LizhiWindow";
constexpr UINT kReflectedClick = WM_APP;  // tells a button unit it was clicked

COLORREF Background(const WindowEntry& entry) {
  auto block = DecodeWindowBlock(entry.record.units[0].body.ownBlock);
  uint32_t colour = block ? block->background : 0xFF000000;
  return colour == 0xFF000000 ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

void OnCommand(WindowEntry& entry, WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam) {  // a control's notification
    if (HIWORD(wParam) == BN_CLICKED) SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedClick, 0, 0);
    return;
  }
  auto position = MenuRecordForCommand(entry.record, id);
  if (!position) return;
  const UnitRecord* item = entry.record.MenuRecord(*position);
  if (item) FireUnitEvent(entry.record.windowId, item->unitId, 0);
}

void OnEraseBackground(const WindowEntry& entry, HWND window, HDC dc) {
  RECT r;
  GetClientRect(window, &r);
  win::Brush brush(CreateSolidBrush(Background(entry)));
  FillRect(dc, &r, brush.get());
}

// Labels are drawn on the window's own background.
HBRUSH OnLabelColour(const WindowEntry& entry, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  static win::Brush brush;
  brush.reset(CreateSolidBrush(Background(entry)));
  return brush.get();
}

void OnDestroy(HWND window) {
  win::Menu bar(GetMenu(window));
  if (bar) SetMenu(window, nullptr);
}

// A template window, owned by its entry. It knows its entry by window id, not
// by address: the table may be loaded again while a window of the old one
// still lives, and then the old window finds no entry that owns it.
class TemplateWindow final : public LiveWindow {
 public:
  explicit TemplateWindow(uint32_t windowId) : windowId_(windowId) {}
  ~TemplateWindow() override { Destroy(); }

  bool Create(DWORD exStyle, const char* caption, DWORD style, const UnitBody& body) {
    if (!win::RegisterObjectClass<TemplateWindow>(kWindowClass, CS_DBLCLKS, IDC_ARROW)) return false;
    CreateWindowExA(exStyle, kWindowClass, caption, style, body.left, body.top, body.width, body.height, nullptr,
                    nullptr, GetModuleHandleA(nullptr), this);
    return static_cast<bool>(window_);
  }
  void* handle() const override { return window_.get(); }
  void Destroy() override { window_.reset(); }

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) window_.reset(window);
    WindowEntry* entry = Entry();
    if (message == WM_NCDESTROY) {
      window_.release();
      if (entry) entry->units.clear();
      return DefWindowProcA(window, message, wParam, lParam);
    }
    if (!entry) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
      case WM_COMMAND:
        OnCommand(*entry, wParam, lParam);
        return 0;
      case WM_ERASEBKGND:
        OnEraseBackground(*entry, window, reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(OnLabelColour(*entry, reinterpret_cast<HDC>(wParam)));
      case WM_SETFOCUS:
        FireUnitEvent(windowId_, kWindowUnitId, kEventFocusGained);
        return 0;
      case WM_KILLFOCUS:
        FireUnitEvent(windowId_, kWindowUnitId, kEventFocusLost);
        return 0;
      case WM_QUERYENDSESSION:
        return TRUE;
      case WM_ENDSESSION:
        if (wParam) EndProgram(0);
        return 0;
      case WM_CLOSE:
        // Closing the start-up window ends the program, as the end command does.
        EndProgram(0);
      case WM_DESTROY:
        OnDestroy(window);
        return 0;
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }

 private:
  WindowEntry* Entry() const {
    WindowEntry* entry = Windows().Find(windowId_);
    return entry && entry->form.get() == this ? entry : nullptr;
  }

  uint32_t windowId_;
  win::Window window_;
};

}  // namespace

HWND CreateTemplateWindow(WindowEntry& entry) {
  const UnitRecord& self = entry.record.units[0];
  auto block = DecodeWindowBlock(self.body.ownBlock);
  if (!block) return nullptr;
  entry.windowState = block->windowState;
  entry.alwaysOnTop = block->alwaysOnTop;
  entry.shownOnce = false;
  DWORD style = WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  if (block->borderStyle == 0) {
    style |= WS_POPUP;
    exStyle |= WS_EX_TOOLWINDOW;  // no border, no caption, no taskbar button
  } else {
    style |= WS_OVERLAPPEDWINDOW;
  }
  entry.units.clear();
  auto form = std::make_unique<TemplateWindow>(entry.record.windowId);
  TemplateWindow* built = form.get();
  entry.form = std::move(form);
  if (!built->Create(exStyle, block->caption.c_str(), style, self.body)) {
    entry.form.reset();
    return nullptr;
  }
  HWND window = static_cast<HWND>(built->handle());
  RebuildMenuBar(window, entry.record);
  if (entry.alwaysOnTop) ApplyAlwaysOnTop(entry);
  return window;
}

void ShowTemplateWindow(WindowEntry& entry) {
  HWND window = static_cast<HWND>(entry.window());
  if (!window) return;
  if (!entry.shownOnce && Runtime().runMode != kRunModePlain) {
    entry.shownOnce = true;
    if (entry.windowState == kWindowMaximised) {
      ApplyWindowState(entry);
      ShowWindow(window, SW_SHOW);
    } else {
      ShowWindow(window, entry.windowState == kWindowMinimised ? SW_SHOWMINIMIZED : SW_SHOW);
    }
    return;
  }
  entry.shownOnce = true;
  ShowWindow(window, SW_SHOW);
}

void ApplyWindowState(WindowEntry& entry) {
  HWND window = static_cast<HWND>(entry.window());
  if (!window) return;
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  const bool thickFrame = (GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME) != 0;
  switch (entry.windowState) {
    case kWindowNormal:
      ShowWindow(window, SW_SHOWNORMAL);
      break;
    case kWindowCentred: {
      if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
      RECT r;
      GetWindowRect(window, &r);
      const int x = (screenW - (r.right - r.left)) / 2;
      const int y = (screenH - (r.bottom - r.top)) / 2;
      if (r.left != x || r.top != y) SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      break;
    }
    case kWindowMinimised:
      ShowWindow(window, SW_MINIMIZE);
      break;
    case kWindowMaximised:
      if (thickFrame) {
        ShowWindow(window, SW_MAXIMIZE);
      } else {
        if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
        MoveWindow(window, 0, 0, screenW, screenH, TRUE);
        ShowWindow(window, SW_SHOW);
      }
      break;
    default:
      break;
  }
}

void ApplyAlwaysOnTop(WindowEntry& entry) {
  HWND window = static_cast<HWND>(entry.window());
  if (!window) return;
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(window, entry.alwaysOnTop == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
  if (entry.alwaysOnTop == 1) return;
  for (WindowEntry& other : Windows().entries()) {
    if (&other != &entry && other.window() && other.alwaysOnTop == 1) {
      SetWindowPos(static_cast<HWND>(other.window()), HWND_TOPMOST, 0, 0, 0, 0, flags);
    }
  }
}

void PopupTemplateMenu(uint32_t windowId, uint32_t menuUnitId) {
  WindowEntry* entry = Windows().Find(windowId);
  if (!entry || !entry->window()) return;
  PopupMenuRecord(static_cast<HWND>(entry->window()), entry->record, menuUnitId);
}

}  // namespace lizhi::rt
