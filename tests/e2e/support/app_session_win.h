// One run of lizhi.exe in a fresh program directory, with the settings file
// written beforehand when a test wants, and the tray menu's texts.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e/support/app_desktop_win.h"
#include "e2e/support/app_dialogs_win.h"
#include "e2e/support/lizhi_process_win.h"
#include "e2e/support/tray_menu_win.h"

namespace lizhi::test {

// Captions of the tray menu's items, GBK.
namespace caption {
inline const std::string kTitleBar = "\xB1\xEA\xCC\xE2\xC0\xB8\xCF\xD4\xCA\xBE";      // 标题栏显示
inline const std::string kMouseFollow = "\xCA\xF3\xB1\xEA\xB8\xFA\xCB\xE6";           // 鼠标跟随
inline const std::string kBalloon = "\xC6\xF8\xC5\xDD\xCF\xD4\xCA\xBE";               // 气泡显示
inline const std::string kAgent = "\xBE\xAB\xC1\xE9\xCF\xD4\xCA\xBE";                 // 精灵显示
inline const std::string kRandom = "\xCB\xE6\xBB\xFA\xB2\xA5\xB7\xC5";                // 随机播放
inline const std::string kSequential = "\xCB\xB3\xD0\xF2\xB2\xA5\xB7\xC5";            // 顺序播放
inline const std::string kInterval = "\xBC\xE4\xB8\xF4\xCA\xB1\xBC\xE4";              // 间隔时间
inline const std::string kMusic = "\xB2\xA5\xB7\xC5\xD2\xF4\xC0\xD6";                 // 播放音乐
inline const std::string kPause = "\xD4\xDD\xCD\xA3";                                 // 暂停
inline const std::string kHalfHour = "30 \xB7\xD6\xD6\xD3";                           // 30 分钟
inline const std::string kHour = "1 \xD0\xA1\xCA\xB1";                                // 1 小时
inline const std::string kUntilTomorrow = "\xD6\xB1\xB5\xBD\xC3\xF7\xCC\xEC";         // 直到明天
inline const std::string kResume = "\xBC\xCC\xD0\xF8";                                // 继续
inline const std::string kAway = "\xC0\xEB\xBF\xAA\xCA\xB1\xB2\xBB\xCF\xD4\xCA\xBE";  // 离开时不显示
inline const std::string kLoadText = "\xD4\xD8\xC8\xEB\xC4\xA3\xB0\xE5";              // 载入模板
inline const std::string kEditText = "\xB1\xE0\xBC\xAD\xC4\xA3\xB0\xE5";              // 编辑模板
inline const std::string kAutoStart = "\xBF\xAA\xBB\xFA\xD7\xD4\xC6\xF4";             // 开机自启
inline const std::string kAbout = "\xB9\xD8\xD3\xDA\xC8\xED\xBC\xFE";                 // 关于软件
inline const std::string kExit = "\xCD\xCB\xB3\xF6";                                  // 退出
}  // namespace caption

// The entries of the pause submenu, paused or not.
inline std::vector<MenuLine> PauseMenuLines(bool paused, bool awayChecked = false) {
  using namespace caption;
  std::vector<MenuLine> lines;
  if (paused)
    lines.push_back({kResume, false, {}});
  else
    lines.insert(lines.end(), {{kHalfHour, false, {}}, {kHour, false, {}}, {kUntilTomorrow, false, {}}});
  lines.push_back({"", false, {}});
  lines.push_back({kAway, awayChecked, {}});
  return lines;
}

// The entries the tray menu shows, in order (hidden items left out), with a
// check mark on the items named in `checked`.
inline std::vector<MenuLine> TrayMenuLines(const std::vector<std::string>& checked, bool paused = false) {
  using namespace caption;
  const std::string separator;
  std::vector<MenuLine> lines;
  for (const std::string& c :
       {kTitleBar, kMouseFollow, kBalloon, kAgent, separator, kRandom, kSequential, separator, kInterval, kPause,
        kMusic, separator, kLoadText, kEditText, separator, kAutoStart, kAbout, kExit}) {
    bool mark = false;
    for (const std::string& name : checked) mark = mark || (!c.empty() && c == name);
    lines.push_back({c, mark, c == kPause ? PauseMenuLines(paused) : std::vector<MenuLine>{}});
  }
  return lines;
}

class AppSession {
 public:
  AppSession() = default;
  AppSession(const AppSession&) = delete;
  AppSession& operator=(const AppSession&) = delete;
  // A lizhi that the test ends by force leaves its icon in Wine's tray, where
  // the icons of later sessions would line up to its left; take it out.
  ~AppSession() {
    HWND icon = window ? FindWindowExA(window, nullptr, "LizhiTrayIcon", nullptr) : nullptr;
    lizhi.Kill();
    if (icon) ShellForgetIcon(icon);
  }
  // Starts lizhi.exe and waits for its start-up window.
  HWND Start() {
    if (!lizhi.Start(BuildFile("lizhi.exe"), dir.path())) return nullptr;
    window = lizhi.FindWindowOfClass("LizhiWindow", 15000);
    return window;
  }
  std::string Ini() const { return dir.File("setup.ini"); }
  void Store(const char* key, const char* value) const { WriteLzKey(Ini(), key, value); }
  std::string Stored(const char* key) const { return ReadLzKey(Ini(), key); }
  bool WaitForStored(const char* key, const std::string& value, DWORD ms = 5000) const {
    return WaitUntil([&] { return Stored(key) == value; }, ms);
  }
  // A dialog box of the program once it shows, after a menu command.
  HWND DialogAfter(MenuRecord item, DWORD ms = 8000) {
    PostMenuCommand(window, item);
    return WaitForDialogOf(lizhi.pid(), ms);
  }

  TempDirectory dir;
  ChildProcess lizhi;
  HWND window = nullptr;
};

// The changes of the strip's line over a while, each with its tick count.
struct LineChange {
  DWORD at;
  std::string line;
};
inline std::vector<LineChange> WatchStripLine(HWND startupWindow, DWORD ms, size_t stopAfter = SIZE_MAX) {
  std::vector<LineChange> changes;
  std::string last = StripLine(startupWindow);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms && changes.size() < stopAfter) {
    PumpFor(20);
    std::string now = StripLine(startupWindow);
    if (now != last) changes.push_back({GetTickCount(), now});
    last = now;
  }
  return changes;
}

}  // namespace lizhi::test
