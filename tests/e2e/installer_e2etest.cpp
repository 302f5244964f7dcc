// The per-user installer as a user meets it: a silent install puts the program,
// its Start menu shortcut and its Uninstall entry in place without
// administrator rights; the installed lizhi starts with its tray icon; a silent
// uninstall ends that lizhi (and no other copy), removes the program and its
// start with the session, and keeps the user's own files.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/support/app_session_win.h"

namespace lizhi::test {
namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\lizhi";
constexpr UINT kEndRequest = 0x83E7;  // answered by lizhi's message window
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kAutoStartName = "\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE";         // 励志软件
const std::string kShortcutName = "\xC0\xF8\xD6\xBE lizhi.lnk";                // 励志 lizhi.lnk
const std::string kDefaultText = "txt\\\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE.txt";  // txt\励志文本.txt

std::string Folder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// A string value, or "<none>" when the key or the value is missing.
std::string RegText(HKEY root, const char* key, const std::string& name) {
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  if (RegGetValueA(root, key, name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_DWORD, nullptr, data, &size) != ERROR_SUCCESS)
    return "<none>";
  return data;
}
DWORD RegNumber(HKEY root, const char* key, const char* name) {
  DWORD value = 0, size = sizeof value;
  RegGetValueA(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}
void SetRegText(HKEY root, const char* key, const std::string& name, const std::string& value) {
  RegSetKeyValueA(root, key, name.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool RunToEnd(const std::string& command, DWORD ms, DWORD* exitCode) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string line = command;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  bool ended = WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0;
  GetExitCodeProcess(pi.hProcess, exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ended;
}

// Where the installer puts things, and what the test planted; whatever a
// failed run leaves is removed afterwards.
struct Installation {
  const std::string dir = Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\lizhi";
  const std::string shortcut = Folder(CSIDL_PROGRAMS) + "\\" + kShortcutName;
  const std::string startupShortcut = Folder(CSIDL_STARTUP) + "\\" + kAutoStartName + ".lnk";

  ~Installation() {
    DeleteTree(dir);
    DeleteFileA(shortcut.c_str());
    DeleteFileA(startupShortcut.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kAutoStartName.c_str());
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kRunKey, kAutoStartName.c_str());
  }
  std::string File(const std::string& name) const { return dir + "\\" + name; }
};

TEST(InstallerE2E, SilentInstallRunsAndSilentUninstallEndsItAndKeepsTheUsersFiles) {
  const std::string setup = BuildFile("lizhi-setup.exe");
  ASSERT_TRUE(FileExists(setup)) << "missing " << setup;
  Installation installed;
  ASSERT_FALSE(FileExists(installed.dir)) << "left from an earlier run: " << installed.dir;

  DWORD code = 99;
  ASSERT_TRUE(RunToEnd("\"" + setup + "\" /S", 120000, &code));
  ASSERT_EQ(code, 0u);
  const std::string exe = installed.File("lizhi.exe");
  for (const std::string& file : {exe, installed.File("readme.txt"), installed.File("LICENSE.txt"),
                                  installed.File("uninstall.exe"), installed.shortcut})
    EXPECT_TRUE(FileExists(file)) << file;
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, "DisplayIcon"), exe + ",0");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, "DisplayVersion"), LIZHI_VERSION);
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, "UninstallString"),
            "\"" + installed.File("uninstall.exe") + "\"");
  EXPECT_GT(RegNumber(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize"), 100u);  // KB; lizhi.exe alone is more

  // The installed lizhi, and a copy the user runs from a folder of their own.
  ChildProcess lizhi;
  ASSERT_TRUE(lizhi.Start(exe, installed.dir));
  HWND window = lizhi.FindWindowOfClass("LizhiWindow", 15000);
  ASSERT_NE(window, nullptr);
  HWND icon = TrayIconWindow(window);
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ShellHasIcon(icon); }, 10000));
  EXPECT_TRUE(WaitUntil([&] { return FileExists(installed.File(kDefaultText)); }, 10000));
  AppSession elsewhere;
  ASSERT_NE(elsewhere.Start(), nullptr);

  // The start with the session in every form lizhi writes: the Run value
  // (plain and quoted path) and the Startup shortcut.
  SetRegText(HKEY_CURRENT_USER, kRunKey, kAutoStartName, exe);
  SetRegText(HKEY_LOCAL_MACHINE, kRunKey, kAutoStartName, "\"" + exe + "\"");
  WriteWholeFile(installed.startupShortcut, "link");

  // The silent uninstaller hands over to a copy of itself and returns at once;
  // the copy removes the uninstaller last.
  ASSERT_TRUE(RunToEnd("\"" + installed.File("uninstall.exe") + "\" /S", 60000, &code));
  EXPECT_EQ(lizhi.WaitExit(20000), std::optional<DWORD>(0)) << "the installed lizhi ends as its own exit does";
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(installed.File("uninstall.exe")); }, 30000));
  for (const std::string& file : {exe, installed.File("readme.txt"), installed.File("LICENSE.txt"), installed.shortcut,
                                  installed.startupShortcut})
    EXPECT_FALSE(FileExists(file)) << file;
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, "DisplayName"), "<none>");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kRunKey, kAutoStartName), "<none>");
  EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, kRunKey, kAutoStartName), "<none>");
  EXPECT_TRUE(FileExists(installed.File(kDefaultText))) << "a silent uninstall keeps the user's lines";
  EXPECT_TRUE(elsewhere.lizhi.Running()) << "a copy outside the install folder keeps running";
  // Ended as its own exit does, so that its tray icon leaves with it.
  PostMessageA(TopWindowOfClass(elsewhere.lizhi.pid(), "LizhiRuntimeMessageWindow", false), kEndRequest, 0, 0);
  EXPECT_EQ(elsewhere.lizhi.WaitExit(10000), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lizhi::test
