// Scoped owners of Win32 handles: every "take it, use it, give it back" in the
// program is a scope. Copying is deleted, moving allowed, so nothing is released
// twice.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <atomic>
#include <cstdint>
#include <string_view>
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
  // For out parameters; only for handles that are not counted, since the
  // callee fills the handle in behind the count's back.
  Handle* put() requires(!Traits::kGui) {
    reset();
    return &h_;
  }
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
// One traits type per GDI handle type, so that an owner hands out the type its
// callers need and nobody casts.
template <typename Object>
struct GdiTraitsOf {
  static constexpr bool kGui = true;
  static Object invalid() { return nullptr; }
  static void close(Object h) { DeleteObject(h); }
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
// Windows are not counted among the live GUI objects: a window that its
// parent takes down with itself is gone without its owner's doing.
struct WindowTraits {
  static constexpr bool kGui = false;
  static HWND invalid() { return nullptr; }
  static void close(HWND h) { DestroyWindow(h); }
};
struct RegistryKeyTraits {
  static constexpr bool kGui = false;
  static HKEY invalid() { return nullptr; }
  static void close(HKEY h) { RegCloseKey(h); }
};

using Handle = Owned<HANDLE, KernelTraits>;
using GdiObject = Owned<HGDIOBJ, GdiTraitsOf<HGDIOBJ>>;
using Font = Owned<HFONT, GdiTraitsOf<HFONT>>;
using Brush = Owned<HBRUSH, GdiTraitsOf<HBRUSH>>;
using Bitmap = Owned<HBITMAP, GdiTraitsOf<HBITMAP>>;
using Region = Owned<HRGN, GdiTraitsOf<HRGN>>;
using Pen = Owned<HPEN, GdiTraitsOf<HPEN>>;
using Menu = Owned<HMENU, MenuTraits>;
using Icon = Owned<HICON, IconTraits>;
using MemoryDc = Owned<HDC, MemoryDcTraits>;
using Module = Owned<HMODULE, ModuleTraits>;
using FindHandle = Owned<HANDLE, FindTraits>;
using Hook = Owned<HHOOK, HookTraits>;
using Window = Owned<HWND, WindowTraits>;
using RegistryKey = Owned<HKEY, RegistryKeyTraits>;

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
  // False when the object could not be selected.
  bool ok() const { return previous_ != nullptr; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint around the painting of one WM_PAINT.
class Paint {
 public:
  explicit Paint(HWND window) : window_(window), dc_(BeginPaint(window, &info_)) {}
  ~Paint() { EndPaint(window_, &info_); }
  Paint(const Paint&) = delete;
  Paint& operator=(const Paint&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return info_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT info_{};
  HDC dc_;
};

// A DC's whole state (clip, selections, modes) saved for the scope.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// OLE initialised on this thread for the scope, if it could be.
class OleScope {
 public:
  OleScope() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleScope() {
    if (ok_) OleUninitialize();
  }
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// A COM interface pointer that releases itself.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller holds.
  explicit ComPtr(Interface* p) : p_(p) {}
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out parameters: whatever was held is released first.
  Interface** put() {
    reset();
    return &p_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (Interface* p = std::exchange(p_, nullptr)) p->Release();
  }

 private:
  Interface* p_ = nullptr;
};

// A BSTR that frees itself.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text) : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(s_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return s_; }
  BSTR* put() {
    SysFreeString(std::exchange(s_, nullptr));
    return &s_;
  }

 private:
  BSTR s_ = nullptr;
};

// The header of a 32-bit DIB of width x height pixels whose first row is the
// top one, as screen captures and pixel buffers are laid out.
inline BITMAPINFO TopDownDibInfo(int32_t width, int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A 32-bit top-down DIB section and its pixels (0x00RRGGBB, row after row).
struct TopDownDib {
  Bitmap bitmap;
  uint32_t* pixels = nullptr;
  explicit operator bool() const { return bitmap && pixels; }
};

inline TopDownDib CreateTopDownDib(HDC dc, int32_t width, int32_t height) {
  const BITMAPINFO info = TopDownDibInfo(width, height);
  void* bits = nullptr;
  TopDownDib dib;
  dib.bitmap.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib.bitmap) dib.pixels = static_cast<uint32_t*>(bits);
  return dib;
}

}  // namespace lizhi::win
