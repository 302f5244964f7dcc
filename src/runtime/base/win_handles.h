// Scoped owners of Win32 handles: every "take it, use it, give it back" in the
// program is a scope. Copying is deleted, moving allowed, so nothing is released
// twice.
#pragma once
#include <windows.h>

#include <atomic>
#include <utility>

namespace lizhi::win {

// GDI and USER objects alive in owners of this file. Wine's GetGuiResources
// always answers 0, so tests read this to show that repeated work gives back
// everything it took.
inline std::atomic<long>& LiveGuiObjects() {
  static std::atomic<long> count{0};
  return count;
}

template <typename Handle, typename Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle h) : h_(h) { Count(+1); }
  ~Owned() { reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, Handle{});
    }
    return *this;
  }
  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Handle{} && h_ != Traits::invalid(); }
  Handle release() {
    Count(-1);
    return std::exchange(h_, Handle{});
  }
  void reset(Handle h = Handle{}) {
    if (h_ != Handle{} && h_ != Traits::invalid()) {
      Traits::close(h_);
      Count(-1);
    }
    h_ = h;
    Count(+1);
  }

 private:
  // Counts a change of one held object, for GDI and USER handles only.
  void Count(long change) const {
    if constexpr (Traits::kGui) {
      if (h_ != Handle{} && h_ != Traits::invalid()) LiveGuiObjects() += change;
    }
  }

  Handle h_{};
};

struct KernelTraits {
  static constexpr bool kGui = false;
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { CloseHandle(h); }
};
struct GdiTraits {
  static constexpr bool kGui = true;
  static HGDIOBJ invalid() { return nullptr; }
  static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct MenuTraits {
  static constexpr bool kGui = true;
  static HMENU invalid() { return nullptr; }
  static void close(HMENU h) { DestroyMenu(h); }
};
struct IconTraits {
  static constexpr bool kGui = true;
  static HICON invalid() { return nullptr; }
  static void close(HICON h) { DestroyIcon(h); }
};
struct MemoryDcTraits {
  static constexpr bool kGui = true;
  static HDC invalid() { return nullptr; }
  static void close(HDC h) { DeleteDC(h); }
};
struct ModuleTraits {
  static constexpr bool kGui = false;
  static HMODULE invalid() { return nullptr; }
  static void close(HMODULE h) { FreeLibrary(h); }
};
struct FindTraits {
  static constexpr bool kGui = false;
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { FindClose(h); }
};
struct HookTraits {
  static constexpr bool kGui = false;
  static HHOOK invalid() { return nullptr; }
  static void close(HHOOK h) { UnhookWindowsHookEx(h); }
};

using Handle = Owned<HANDLE, KernelTraits>;
using GdiObject = Owned<HGDIOBJ, GdiTraits>;
using Menu = Owned<HMENU, MenuTraits>;
using Icon = Owned<HICON, IconTraits>;
using MemoryDc = Owned<HDC, MemoryDcTraits>;
using Module = Owned<HMODULE, ModuleTraits>;
using FindHandle = Owned<HANDLE, FindTraits>;
using Hook = Owned<HHOOK, HookTraits>;

// A DC obtained with GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC for the scope, the previous one restored after.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selected() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace lizhi::win
