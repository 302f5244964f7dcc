// Lines written to break lizhi, as they may come in a text file from the web:
// huge fonts with tab and line-break counts, nested tables of huge cells,
// images asked for at huge sizes, deep nesting and a 200 KB line. In the
// balloon and the character modes, and in the strip and title-bar modes, lizhi
// shows every one of them and keeps running, with no error box and its memory
// well within bounds (a guard against buffers the size of the text's claims).
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "e2e/support/app_session_win.h"

namespace lizhi::test {
namespace {

std::string Repeat(const std::string& piece, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

std::string HostileText() {
  const std::string lines[] = {
      "<font size=99999px>W<t 100><br 100><t 100><br 100>W</font>",
      Repeat("<table border=64 cellpadding=32767><tr><td width=32767 height=32767 colspan=64>", 16) + "x",
      Repeat("<icon idres=1 width=32767 height=32767><bmp file=c:\\windows\\x.bmp cx=9999 cy=9999>", 200),
      Repeat("<b><i><u><font size=7><big>", 300) + "\xD5\xE2",
      Repeat("<br 100><t 100>", 400) + Repeat("<hr size=512 width=32767>", 100),
      Repeat("\xD5\xE2\xCA\xC7", 50000),  // 200 KB of 这是 without a break
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Private memory of the process in MB. Wine leaves PrivateUsage at 0; its
// page-file usage is the Linux process's anonymous memory.
double PrivateMb(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return -1;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  double mb = -1;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    const SIZE_T bytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
  }
  CloseHandle(process);
  return mb;
}

// Several ticks in the current mode: lizhi still runs, shows no error box, and
// stays under 64 MB throughout.
void SurvivesTicks(AppSession& app, const char* mode, DWORD ms) {
  double highest = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    PumpFor(250);
    ASSERT_TRUE(app.lizhi.Running()) << mode << ": lizhi ended";
    ASSERT_EQ(WaitForDialogOf(app.lizhi.pid(), 0), nullptr) << mode << ": an error box";
    const double mb = PrivateMb(app.lizhi.pid());
    ASSERT_GT(mb, 0) << "the memory figure cannot be read";
    highest = std::max(highest, mb);
    ASSERT_LT(mb, 64.0) << mode;
  }
  std::printf("[ figures  ] %s: private memory at most %.1f MB\n", mode, highest);
}

// A menu command while the lines show is handled promptly: the GUI never
// stalls on a line (the bound is generous; the time taken is printed).
void SwitchesMode(AppSession& app, MenuRecord item, const char* stored) {
  const DWORD asked = GetTickCount();
  PostMenuCommand(app.window, item);
  ASSERT_TRUE(app.WaitForStored("show", stored, 8000)) << "the menu did not answer: " << stored;
  std::printf("[ figures  ] the menu command for %s took %lu ms\n", stored,
              static_cast<unsigned long>(GetTickCount() - asked));
}

TEST(AppHostileLines, NoLineEndsLizhiInTheBalloonCharacterStripOrTitleBarMode) {
  AppSession app;
  CreateDirectoryA(app.dir.File("txt").c_str(), nullptr);
  ASSERT_TRUE(WriteWholeFile(app.dir.File("txt\\hostile.txt"), HostileText()));
  app.Store("file", "\\txt\\hostile.txt");
  app.Store("rand", "f");  // file order: each line has its tick
  app.Store("time", "1");
  app.Store("show", "qipao");
  ASSERT_TRUE(app.Start());
  ForegroundWindow own(100, 100, 300, 200);

  WaitUntil(
      [&] {
        return TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true) || !app.lizhi.Running() ||
               WaitForDialogOf(app.lizhi.pid(), 0);
      },
      15000);
  ASSERT_TRUE(app.lizhi.Running()) << "lizhi ended at the first line";
  ASSERT_EQ(WaitForDialogOf(app.lizhi.pid(), 0), nullptr) << "an error box at the first line";
  ASSERT_NE(TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true), nullptr) << "no balloon";
  SurvivesTicks(app, "balloon", 8000);
  if (HWND balloon = TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true)) {
    RECT r;
    GetWindowRect(balloon, &r);
    EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
  }

  ASSERT_NO_FATAL_FAILURE(SwitchesMode(app, kAgentItem, "agent"));
  ASSERT_TRUE(WaitUntil([&] { return TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true) != nullptr; }, 8000))
      << "the character speaks no line";
  SurvivesTicks(app, "character", 8000);

  ASSERT_NO_FATAL_FAILURE(SwitchesMode(app, kMouseFollowItem, "mouse"));
  SurvivesTicks(app, "strip", 7000);
  ASSERT_NO_FATAL_FAILURE(SwitchesMode(app, kTitleBarItem, "title"));
  SurvivesTicks(app, "title bar", 7000);
}

}  // namespace
}  // namespace lizhi::test
