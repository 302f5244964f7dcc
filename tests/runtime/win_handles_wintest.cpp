// The scoped owners and the one window idiom: what is taken is given back
// exactly once, and a window's object sees its whole life and nothing after.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "runtime/base/win_handles.h"
#include "runtime/base/window_class_win.h"

namespace lizhi::win {
namespace {

TEST(ScopedOwners, TypedGdiOwnersCountWhatTheyHoldAndDeleteItOnce) {
  const long before = LiveGuiObjects();
  HRGN handed = nullptr;
  HBRUSH brushHandle = nullptr;
  {
    Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    Region region(CreateRectRgn(0, 0, 4, 4));
    brushHandle = brush.get();
    EXPECT_EQ(LiveGuiObjects(), before + 2);
    handed = region.release();  // as into SetWindowRgn
    EXPECT_EQ(LiveGuiObjects(), before + 1);
    Brush moved = std::move(brush);
    EXPECT_EQ(moved.get(), brushHandle);
  }
  EXPECT_EQ(LiveGuiObjects(), before);
  EXPECT_EQ(GetObjectType(brushHandle), 0u) << "deleted";
  EXPECT_EQ(GetObjectType(handed), static_cast<DWORD>(OBJ_REGION)) << "given away, not deleted";
  Region(handed).reset();
  EXPECT_EQ(LiveGuiObjects(), before);
}

TEST(ScopedOwners, TopDownDibStartsAtTheTopRowAndComPtrReleasesOnce) {
  MemoryDc dc(CreateCompatibleDC(nullptr));
  TopDownDib dib = CreateTopDownDib(dc.get(), 3, 2);
  ASSERT_TRUE(dib);
  {
    Selected into(dc.get(), dib.bitmap.get());
    ASSERT_TRUE(into.ok());
    SetPixel(dc.get(), 1, 0, RGB(255, 0, 0));
    GdiFlush();
  }
  EXPECT_EQ(dib.pixels[1] & 0xFFFFFF, 0xFF0000u) << "first row in memory is the top one, as 0x00RRGGBB";

  struct Counted : IUnknown {
    int releases = 0;
    HRESULT WINAPI QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return static_cast<ULONG>(++releases); }
  } counted;
  {
    ComPtr<IUnknown> first(&counted);
    ComPtr<IUnknown> second = std::move(first);
    EXPECT_FALSE(first);
  }
  EXPECT_EQ(counted.releases, 1);
}

// Notes the messages its window brings, and paints in a paint scope.
struct Watcher {
  std::vector<UINT> seen;
  Window window;
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back(message);
    if (message == WM_PAINT) {
      Paint paint(hwnd);
      return 0;
    }
    if (message == WM_NCDESTROY) window.release();
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
};

TEST(WindowIdiom, ObjectIsAttachedAtCreationAndLetGoAfterTheLastMessage) {
  ASSERT_TRUE(RegisterObjectClass<Watcher>("LizhiWatcherTest", 0, IDC_ARROW));
  EXPECT_TRUE(RegisterObjectClass<Watcher>("LizhiWatcherTest", 0, IDC_ARROW)) << "registered once, asked twice";
  Watcher watcher;
  watcher.window.reset(CreateWindowExA(0, "LizhiWatcherTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), &watcher));
  ASSERT_TRUE(watcher.window);
  const HWND hwnd = watcher.window.get();
  ASSERT_FALSE(watcher.seen.empty());
  EXPECT_EQ(watcher.seen.front(), static_cast<UINT>(WM_NCCREATE));
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  EXPECT_EQ(watcher.seen.back(), static_cast<UINT>(WM_PAINT));
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "the paint scope validated the window";

  watcher.window.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(watcher.seen.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_FALSE(watcher.window) << "the object let its window go at the last message";
}

}  // namespace
}  // namespace lizhi::win
