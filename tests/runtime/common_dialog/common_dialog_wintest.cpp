#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/base/win_handles.h"
#include "runtime/commands/command_call.h"
#include "runtime/commands/temp_dir.h"
#include "runtime/common_dialog/common_dialog_unit.h"
#include "runtime/common_dialog/open_common_dialog.h"
#include "runtime/frame/unit_type.h"

namespace lizhi {
namespace {

constexpr char kTitle[] = "lizhi chooser test";
constexpr int kFileNameCombo = 0x47C;  // cmb13 of the Explorer-style dialog
constexpr int kFileNameEdit = 0x480;   // edt1 of the older one

struct Script {
  std::string path;  // typed as the file name; empty: cancel
  bool found = false;
};
Script* g_script = nullptr;

// Runs from a thread timer inside the dialog's own message loop.
VOID CALLBACK Drive(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowA("#32770", kTitle);
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  g_script->found = true;
  if (g_script->path.empty()) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return;
  }
  if (!SetDlgItemTextA(dialog, kFileNameCombo, g_script->path.c_str()))
    SetDlgItemTextA(dialog, kFileNameEdit, g_script->path.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

bool RunScripted(Script& script, rt::CommonDlgProps& props) {
  g_script = &script;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, &Drive);
  bool confirmed = rt::RunCommonDialog(props, nullptr);
  KillTimer(nullptr, timer);
  g_script = nullptr;
  return confirmed;
}

void Touch(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(f);
}

rt::CommonDlgProps OpenProps(const test::TempDir& dir) {
  rt::CommonDlgProps props;
  props.title = kTitle;
  props.initialDirectory = dir.path();
  props.filter = "Text (*.txt)|*.txt|All|*.*";
  props.keepDirectory = true;
  return props;
}

TEST(CommonDialogWin, TheFileChooserReturnsTheChosenPath) {
  test::TempDir dir;
  std::string chosen = dir / "poems.txt";
  Touch(chosen);
  rt::CommonDlgProps props = OpenProps(dir);
  props.fileName = "start.txt";
  Script script{chosen};
  EXPECT_TRUE(RunScripted(script, props));
  EXPECT_TRUE(script.found);
  EXPECT_STREQ(props.fileName.c_str(), chosen.c_str());
}

TEST(CommonDialogWin, CancelKeepsTheFileName) {
  test::TempDir dir;
  rt::CommonDlgProps props = OpenProps(dir);
  props.fileName = "start.txt";
  Script script{""};
  EXPECT_FALSE(RunScripted(script, props));
  EXPECT_TRUE(script.found);
  EXPECT_EQ(props.fileName, "start.txt");
}

TEST(CommonDialogWin, UnitKeepsAndReportsItsProperties) {
  win::Window parent(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  ASSERT_NE(parent.get(), nullptr);
  const rt::UnitType& type = rt::CommonDlgUnitType();
  rt::UnitCreateParams params;
  params.parentWindow = parent.get();
  params.windowId = 0x52010001;
  params.unitId = 0x1601228F;
  params.width = 32;
  params.height = 33;
  void* unit = type.create(params);
  ASSERT_NE(unit, nullptr);
  EXPECT_NE(type.windowOf(unit), nullptr);
  EXPECT_NE(type.windowOf(unit), parent.get());
  type.propertyWritten(unit, 10 - 8, -1, test::Text("C:\\x.mp3"));
  type.propertyWritten(unit, 8 - 8, -1, test::Int(9));
  rt::TypedValue kind{}, name{};
  EXPECT_TRUE(type.readProperty(unit, 8 - 8, kind));
  EXPECT_EQ(rt::IntOf(kind), 3);
  EXPECT_TRUE(type.readProperty(unit, 10 - 8, name));
  EXPECT_EQ(test::TakeText(name), "C:\\x.mp3");
  std::vector<uint8_t> block = type.saveBlock(unit);
  rt::CommonDlgProps back;
  EXPECT_TRUE(rt::LoadCommonDlgBlock(block.data(), block.size(), back));
  EXPECT_EQ(back.fileName, "C:\\x.mp3");
  parent.reset();  // takes the unit's window and the unit with it
}

}  // namespace
}  // namespace lizhi
