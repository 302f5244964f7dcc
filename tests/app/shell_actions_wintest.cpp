// "编辑模板" under Wine: a file whose type has no "edit" verb still opens, in
// Notepad, and a chosen program or batch file is opened as text, never run.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/shell_actions.h"
#include "runtime/commands/temp_dir.h"

namespace lizhi {
namespace {

struct Found {
  std::string prefix;
  HWND window = nullptr;
};

BOOL CALLBACK MatchTitle(HWND w, LPARAM p) {
  auto& f = *reinterpret_cast<Found*>(p);
  char title[256] = {};
  GetWindowTextA(w, title, sizeof title);
  if (!IsWindowVisible(w) || std::string(title).rfind(f.prefix, 0) != 0) return TRUE;
  f.window = w;
  return FALSE;
}

// A visible top-level window whose title begins with the file's name, as
// Notepad titles itself ("a.txt - 记事本").
HWND WindowTitled(const std::string& prefix) {
  Found found{prefix};
  EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

HWND WaitForWindowTitled(const std::string& prefix, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    if (HWND w = WindowTitled(prefix)) return w;
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return nullptr;
    Sleep(100);
  }
}

TEST(EditTextFile, OpensInNotepadWhenTheTypeHasNoEditVerbAndNeverRunsTheFile) {
  test::TempDir dir;
  const std::string marker = dir / "ran.txt";
  // .txt has only "open" and "print" under Wine; a .bat would run on "open".
  for (const char* name : {"lizhi_edit.txt", "lizhi_edit.bat"}) {
    const std::string path = dir / name;
    std::ofstream(path) << "echo ran > \"" << marker << "\"\r\n";
    app::shell_actions::EditFile(path);
    HWND editor = WaitForWindowTitled(name, 30000);
    EXPECT_TRUE(editor) << name << " was not opened for editing";
    if (editor) PostMessageA(editor, WM_CLOSE, 0, 0);
    Sleep(1000);
    EXPECT_EQ(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES) << name << " was run";
  }
}

}  // namespace
}  // namespace lizhi
