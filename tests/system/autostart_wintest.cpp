// Session-start registration and shell operations against Wine's registry,
// shell links and ShellExecute.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/base/win_handles.h"
#include "system/autostart.h"
#include "system/run_key_win.h"
#include "system/shell_link_win.h"

namespace lizhi::sys {
namespace {

// 励志软件测试: a Chinese name in the local code page, as the program registers.
const std::string kName = "\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE\xB2\xE2\xCA\xD4";

std::string TempDir() {
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, path);
  return path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool RefuseMachineKey(RunKeyScope scope, const std::string& name, const std::string& data) {
  return scope != RunKeyScope::kMachine && WriteRunValue(scope, name, data);
}
bool RefuseEveryKey(RunKeyScope, const std::string&, const std::string&) { return false; }

class AutoStart : public ::testing::Test {
 protected:
  void SetUp() override {
    comReady_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    target_ = TempDir() + "lizhi autostart target.exe";  // a space: the Run value must quote it
    HANDLE file = CreateFileA(target_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    auto folder = StartupFolder();
    ASSERT_TRUE(folder);
    link_ = StartupShortcutPath(*folder, kName);
    CreateDirectoryA(folder->c_str(), nullptr);  // a fresh prefix may not have it yet
    Clean();
  }
  void TearDown() override {
    RunValueWriterInUse() = &WriteRunValue;
    Clean();
    DeleteFileA(target_.c_str());
    if (comReady_) CoUninitialize();
  }
  void Clean() {
    DeleteRunValue(RunKeyScope::kMachine, kName);
    DeleteRunValue(RunKeyScope::kUser, kName);
    DeleteFileA(link_.c_str());
  }
  bool NothingRegistered() const {
    return !ReadRunValue(RunKeyScope::kMachine, kName) && !ReadRunValue(RunKeyScope::kUser, kName) && !Exists(link_);
  }
  std::string Quoted() const { return "\"" + target_ + "\""; }

  bool comReady_ = false;
  std::string target_;
  std::string link_;
};

TEST_F(AutoStart, RunValueIsWrittenQuotedAndRemoved) {
  ASSERT_TRUE(SetAutoStart(kName, target_));
  EXPECT_EQ(ReadRunValue(RunKeyScope::kMachine, kName), Quoted());
  EXPECT_FALSE(ReadRunValue(RunKeyScope::kUser, kName));
  EXPECT_FALSE(Exists(link_));

  EXPECT_TRUE(RemoveAutoStart(kName));
  EXPECT_TRUE(NothingRegistered());
  EXPECT_FALSE(RemoveAutoStart(kName)) << "nothing left to remove";
}

TEST_F(AutoStart, RefusedMachineKeyFallsBackToTheUserKey) {
  RunValueWriterInUse() = &RefuseMachineKey;
  ASSERT_TRUE(SetAutoStart(kName, target_, 0));
  EXPECT_FALSE(ReadRunValue(RunKeyScope::kMachine, kName));
  EXPECT_EQ(ReadRunValue(RunKeyScope::kUser, kName), Quoted());

  EXPECT_TRUE(RemoveAutoStart(kName));
  EXPECT_TRUE(NothingRegistered());
}

TEST_F(AutoStart, RefusedEverywhereRegistersNothing) {
  RunValueWriterInUse() = &RefuseEveryKey;
  EXPECT_FALSE(SetAutoStart(kName, target_));
  EXPECT_TRUE(NothingRegistered());
}

TEST_F(AutoStart, RemovesFromBothRunKeysAtOnce) {
  ASSERT_TRUE(WriteRunValue(RunKeyScope::kMachine, kName, target_));
  ASSERT_TRUE(WriteRunValue(RunKeyScope::kUser, kName, target_));
  EXPECT_TRUE(RemoveAutoStart(kName));
  EXPECT_TRUE(NothingRegistered());
}

TEST_F(AutoStart, MissingTargetReturnsFalseAndWritesNothing) {
  const std::string missing = TempDir() + "lizhi no such program.exe";
  for (int method : {0, 1, 7}) {
    EXPECT_FALSE(SetAutoStart(kName, missing, method)) << method;
    EXPECT_TRUE(NothingRegistered()) << method;
  }
  EXPECT_FALSE(SetAutoStart(kName, TempDir()));  // a folder is no program
}

TEST_F(AutoStart, MethodSevenBehavesAsTheRegistryMethod) {
  ASSERT_TRUE(SetAutoStart(kName, target_, 7));
  EXPECT_EQ(ReadRunValue(RunKeyScope::kMachine, kName), Quoted());
  EXPECT_FALSE(Exists(link_));
}

TEST_F(AutoStart, ShortcutIsCreatedInAndRemovedFromTheStartupFolder) {
  ASSERT_TRUE(SetAutoStart(kName, target_, 1));
  ASSERT_TRUE(Exists(link_));
  EXPECT_FALSE(ReadRunValue(RunKeyScope::kMachine, kName));

  // The saved link leads to the program.
  win::ComPtr<IShellLinkA> link;
  ASSERT_TRUE(
      SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid())));
  win::ComPtr<IPersistFile> file;
  ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.putVoid())));
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, link_.c_str(), -1, wide, MAX_PATH);
  EXPECT_TRUE(SUCCEEDED(file->Load(wide, STGM_READ)));
  char target[MAX_PATH] = {};
  link->GetPath(target, MAX_PATH, nullptr, 0);
  EXPECT_STRCASEEQ(target, target_.c_str());
  file.reset();
  link.reset();

  EXPECT_TRUE(RemoveAutoStart(kName));
  EXPECT_FALSE(Exists(link_));
}

TEST_F(AutoStart, CommandFormReadsItsArguments) {
  rt::TypedValue set[] = {rt::MakeTextValue(kName.c_str()), rt::MakeTextValue(target_.c_str())};
  rt::TypedValue result;
  SetAutoStartCommand(result, 2, set);
  EXPECT_EQ(result.type, rt::kTypeLogical);
  EXPECT_EQ(result.low, 1u);
  EXPECT_TRUE(ReadRunValue(RunKeyScope::kMachine, kName));

  rt::TypedValue remove[] = {rt::MakeTextValue(kName.c_str())};
  RemoveAutoStartCommand(result, 1, remove);
  EXPECT_EQ(result.low, 1u);
  RemoveAutoStartCommand(result, 1, remove);
  EXPECT_EQ(result.low, 0u);
}

TEST(ShellExecuteFile, PassesVerbParametersDirectoryAndShowMode) {
  const std::string dir = TempDir();
  const std::string out = dir + "lizhi_execute_out.txt";
  DeleteFileA(out.c_str());
  rt::TypedValue args[] = {rt::MakeInt(4), rt::MakeTextValue("cmd.exe"),
                           rt::MakeTextValue("/c echo hi> lizhi_execute_out.txt"), rt::MakeTextValue(dir.c_str()),
                           rt::MakeInt(1)};
  rt::TypedValue result;
  ExecuteFileCommand(result, 5, args);
  EXPECT_EQ(result.type, rt::kTypeNone);
  const DWORD end = GetTickCount() + 15000;
  while (!Exists(out) && static_cast<LONG>(end - GetTickCount()) > 0) Sleep(50);
  EXPECT_TRUE(Exists(out)) << "cmd.exe did not run in the given folder";
  Sleep(200);
  DeleteFileA(out.c_str());
}

}  // namespace
}  // namespace lizhi::sys
