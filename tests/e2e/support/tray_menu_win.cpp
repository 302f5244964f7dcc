#include "e2e/support/tray_menu_win.h"

#include <shellapi.h>

#include <algorithm>

#include "e2e/support/app_desktop_win.h"
#include "e2e/support/lizhi_process_win.h"
#include "runtime/base/win_handles.h"

namespace lizhi::test {

namespace {

constexpr UINT kTrayCallback = 0x8064;  // WM_APP + 0x64, the icon's registered message
constexpr UINT kFirstReferenceId = 100;

NOTIFYICONDATAA RecordFor(HWND owner) {
  NOTIFYICONDATAA record{};
  record.cbSize = 488;
  record.hWnd = owner;
  record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(owner));
  return record;
}

std::optional<MenuPicture> CaptureOnce(HWND window) {
  RECT r;
  if (!GetWindowRect(window, &r)) return std::nullopt;
  MenuPicture picture;
  picture.width = r.right - r.left;
  picture.height = r.bottom - r.top;
  if (picture.width <= 0 || picture.height <= 0) return std::nullopt;
  picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
  CountScreenPixels(r, [&](COLORREF rgb) {
    picture.pixels.push_back(rgb);
    return false;
  });
  return picture;
}

// A menu popped up by a thread of its own, as TrackPopupMenu holds its caller
// until the menu closes.
struct ReferenceJob {
  const std::vector<MenuLine>* lines;
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND owner = nullptr;
  HMENU menu = nullptr;
  ~ReferenceJob() { CloseHandle(ready); }
};

void AppendLines(HMENU menu, const std::vector<MenuLine>& lines, UINT& id) {
  for (const MenuLine& line : lines) {
    if (line.separator()) {
      AppendMenuA(menu, MF_SEPARATOR, id++, nullptr);
    } else if (!line.submenu.empty()) {
      HMENU sub = CreatePopupMenu();  // destroyed with its parent
      AppendLines(sub, line.submenu, id);
      AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), line.caption.c_str());
    } else {
      AppendMenuA(menu, MF_STRING | (line.checked ? MF_CHECKED : 0), id++, line.caption.c_str());
    }
  }
}

DWORD WINAPI TrackReference(void* param) {
  auto* job = static_cast<ReferenceJob*>(param);
  win::Window owner(CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
  win::Menu menu(CreatePopupMenu());
  job->owner = owner.get();
  job->menu = menu.get();
  UINT id = kFirstReferenceId;
  AppendLines(job->menu, *job->lines, id);
  SetEvent(job->ready);
  // Away from the cursor's corner, so that no entry is highlighted.
  SetForegroundWindow(job->owner);
  TrackPopupMenu(job->menu, TPM_LEFTALIGN | TPM_RETURNCMD, 20, 20, 0, job->owner, nullptr);
  return 0;  // the menu goes first, then its owner
}

}  // namespace

HWND TrayIconWindow(HWND startupWindow, DWORD ms) {
  HWND found = nullptr;
  // The units' windows appear while the start-up window is being built.
  WaitUntil(
      [&] {
        found = FindWindowExA(startupWindow, nullptr, "LizhiTrayIcon", nullptr);
        return found != nullptr;
      },
      ms);
  return found;
}

void PostTrayMouse(HWND iconWindow, UINT mouseMessage) {
  PostMessageA(iconWindow, kTrayCallback, reinterpret_cast<WPARAM>(iconWindow), mouseMessage);
}

bool ShellHasIcon(HWND iconWindow) {
  NOTIFYICONDATAA record = RecordFor(iconWindow);
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

void ShellForgetIcon(HWND iconWindow) {
  NOTIFYICONDATAA record = RecordFor(iconWindow);
  Shell_NotifyIconA(NIM_DELETE, &record);
}

void BroadcastTaskbarCreated() { PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0); }

HWND WaitForPopupMenu(DWORD pid, DWORD ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = TopWindowOfClass(pid, "#32768", true)) != nullptr; }, ms);
  return found;
}

bool ClosePopupMenu(HWND popup, DWORD ms) {
  PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  return WaitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, ms);
}

std::optional<MenuPicture> CaptureMenu(HWND popup) {
  // Painting reaches the screen in its own time: two equal captures in a row.
  std::optional<MenuPicture> last;
  for (int attempt = 0; attempt < 40; ++attempt) {
    PumpFor(50);
    std::optional<MenuPicture> now = CaptureOnce(popup);
    if (now && last && now->width == last->width && now->height == last->height && now->pixels == last->pixels)
      return now;
    last = std::move(now);
  }
  return std::nullopt;
}

std::optional<MenuPicture> ReferenceMenu(const std::vector<MenuLine>& lines) {
  ReferenceJob job;
  job.lines = &lines;
  HANDLE thread = CreateThread(nullptr, 0, &TrackReference, &job, 0, nullptr);
  if (!thread) return std::nullopt;
  WaitForSingleObject(job.ready, 5000);
  std::optional<MenuPicture> picture;
  if (HWND popup = WaitForPopupMenu(GetCurrentProcessId(), 5000)) {
    picture = CaptureMenu(popup);
    RECT window{};
    GetWindowRect(popup, &window);
    for (size_t i = 0; picture && i < lines.size(); ++i) {
      RECT item{};
      GetMenuItemRect(job.owner, job.menu, static_cast<UINT>(i), &item);
      // Windows answers in screen coordinates, Wine relative to the menu window.
      const LONG origin = item.left >= window.left ? window.top : 0;
      picture->entryRows.emplace_back(item.top - origin, item.bottom - origin);
    }
    ClosePopupMenu(popup);
  }
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  return picture;
}

std::vector<size_t> DifferingEntries(const MenuPicture& actual, const MenuPicture& expected) {
  std::vector<size_t> differing;
  const bool sameSize = actual.width == expected.width && actual.height == expected.height;
  for (size_t i = 0; i < expected.entryRows.size(); ++i) {
    if (!sameSize) {
      differing.push_back(i);
      continue;
    }
    auto [first, last] = expected.entryRows[i];
    for (int y = std::max(first, 0); y < std::min(last, expected.height); ++y) {
      const size_t row = static_cast<size_t>(y) * expected.width;
      if (!std::equal(expected.pixels.begin() + row, expected.pixels.begin() + row + expected.width,
                      actual.pixels.begin() + row)) {
        differing.push_back(i);
        break;
      }
    }
  }
  return differing;
}

}  // namespace lizhi::test
