// Helpers for the tray icon's Windows tests: icon files made on the spot, a
// parent window, a recorder standing in for the frame, and a look at what the
// shell holds. Header-only: the Windows test binary takes *_wintest.cpp files.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "runtime/base/win_handles.h"
#include "runtime/frame/unit_host.h"
#include "support/pump_win.h"
#include "units/tray/tray_hooks_win.h"

namespace lizhi::tray::test {

inline void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// An .ico file with one square 32-bit image of `size` pixels in one colour
// (0x00RRGGBB), opaque.
inline std::vector<uint8_t> SolidIconFile(int size, uint32_t colour) {
  const auto side = static_cast<uint32_t>(size);
  const uint32_t pixels = side * side * 4;
  const uint32_t maskRow = (side + 31) / 32 * 4;
  const uint32_t image = 40 + pixels + maskRow * side;
  std::vector<uint8_t> b(6 + 16 + image, 0);
  Put16(b, 2, 1);
  Put16(b, 4, 1);
  b[6] = static_cast<uint8_t>(size);
  b[7] = static_cast<uint8_t>(size);
  Put16(b, 10, 1);
  Put16(b, 12, 32);
  Put32(b, 14, image);
  Put32(b, 18, 22);
  Put32(b, 22, 40);
  Put32(b, 26, side);
  Put32(b, 30, side * 2);
  Put16(b, 34, 1);
  Put16(b, 36, 32);
  Put32(b, 42, pixels + maskRow * side);
  for (uint32_t i = 0; i < pixels; i += 4) Put32(b, 62 + i, colour | 0xFF000000u);
  return b;
}

using lizhi::test::PumpFor;
using lizhi::test::PumpUntil;

// Waits (pumping messages) until every pixel of a screen rectangle shows
// `colour` (0x00BBGGRR), as painting reaches the screen in its own time.
inline bool WaitForScreenColour(RECT r, COLORREF colour, DWORD ms = 2000) {
  return PumpUntil(
      [&] {
        win::WindowDc screen(nullptr);
        bool all = true;
        for (LONG y = r.top; y < r.bottom && all; y += 3) {
          for (LONG x = r.left; x < r.right && all; x += 3) all = GetPixel(screen.get(), x, y) == colour;
        }
        return all;
      },
      ms);
}

inline LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

// A window class with a white background and the plain procedure.
inline const char* PlainClass(const char* name) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &PlainWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = name;
  RegisterClassA(&wc);  // a second registration fails harmlessly
  return name;
}

// A plain top-level window (hidden unless asked) to carry units.
inline win::Window MakeTopLevelWindow(bool visible = false) {
  return win::Window(CreateWindowExA(0, PlainClass("LizhiTrayTestParent"), "tray test",
                                     WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 50, 50, 300, 200, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr));
}

inline NOTIFYICONDATAA RecordFor(HWND owner) {
  NOTIFYICONDATAA record{};
  record.cbSize = 488;
  record.hWnd = owner;
  record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(owner));
  return record;
}

// Whether the shell holds an icon for this owner and identifier: a change of
// nothing succeeds only for an icon it holds.
inline bool ShellHasIcon(HWND owner) {
  NOTIFYICONDATAA record = RecordFor(owner);
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

// Takes the icon out behind the unit's back, as a taskbar restart does.
inline void ShellForgetIcon(HWND owner) {
  NOTIFYICONDATAA record = RecordFor(owner);
  Shell_NotifyIconA(NIM_DELETE, &record);
}

struct Notification {
  DWORD message;
  NOTIFYICONDATAA record;
};
struct HostCall {
  int32_t code;
  intptr_t first;
  intptr_t second;
  rt::EventRecord event;  // for code 2008
};

// Replaces the unit's host callback and shell calls with recorders for its
// lifetime; shell calls still reach the shell.
class TrayRecorder {
 public:
  TrayRecorder() : saved_(TrayHooks()) {
    Current() = this;
    TrayHooks().host = &RecordHost;
    TrayHooks().shellNotify = &RecordShell;
  }
  ~TrayRecorder() {
    TrayHooks() = saved_;
    Current() = nullptr;
  }
  TrayRecorder(const TrayRecorder&) = delete;
  TrayRecorder& operator=(const TrayRecorder&) = delete;

  std::vector<Notification> notifications;
  std::vector<HostCall> hostCalls;

  std::vector<HostCall> Events() const {
    std::vector<HostCall> events;
    for (const HostCall& c : hostCalls) {
      if (c.code == rt::kHostFireEvent) events.push_back(c);
    }
    return events;
  }
  std::vector<Notification> NotificationsFor(HWND owner) const {
    std::vector<Notification> found;
    for (const Notification& n : notifications) {
      if (n.record.hWnd == owner) found.push_back(n);
    }
    return found;
  }
  void Clear() {
    notifications.clear();
    hostCalls.clear();
  }

 private:
  static TrayRecorder*& Current() {
    static TrayRecorder* current = nullptr;
    return current;
  }
  static intptr_t RecordHost(int32_t code, intptr_t first, intptr_t second) {
    HostCall call{code, first, second, {}};
    if (code == rt::kHostFireEvent) call.event = *reinterpret_cast<const rt::EventRecord*>(first);
    Current()->hostCalls.push_back(call);
    return code == rt::kHostFireEvent ? 1 : 0;
  }
  static BOOL WINAPI RecordShell(DWORD message, PNOTIFYICONDATAA record) {
    Current()->notifications.push_back({message, *record});
    return Shell_NotifyIconA(message, record);
  }

  TrayIconHooks saved_;
};

// Makes the shell calls in front of it fail for as long as asked, as they do
// before the notification area exists; `passOnFailed` lets a failed call reach
// the shell anyway, as an add that timed out although the shell took it.
// Construct it after a TrayRecorder; it chains to the hook it replaces.
class FlakyShell {
 public:
  FlakyShell(int failures, bool passOnFailed) : failuresLeft_(failures), passOnFailed_(passOnFailed) {
    next_ = TrayHooks().shellNotify;
    Current() = this;
    TrayHooks().shellNotify = &Call;
  }
  ~FlakyShell() {
    TrayHooks().shellNotify = next_;
    Current() = nullptr;
  }
  FlakyShell(const FlakyShell&) = delete;
  FlakyShell& operator=(const FlakyShell&) = delete;

 private:
  static FlakyShell*& Current() {
    static FlakyShell* current = nullptr;
    return current;
  }
  static BOOL WINAPI Call(DWORD message, PNOTIFYICONDATAA record) {
    FlakyShell& self = *Current();
    if (self.failuresLeft_ <= 0) return self.next_(message, record);
    --self.failuresLeft_;
    if (self.passOnFailed_) self.next_(message, record);
    return FALSE;
  }

  int failuresLeft_;
  bool passOnFailed_;
  BOOL(WINAPI* next_)(DWORD, PNOTIFYICONDATAA) = nullptr;
};

}  // namespace lizhi::tray::test
