#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "runtime/input_box/input_box.h"
#include "runtime/input_box/input_box_layout.h"

namespace lizhi {
namespace {

// What the driver does once the box is up, and what it saw there.
struct Script {
  std::string title;
  std::vector<char> typed;  // sent to the edit line as WM_CHAR
  std::string paste;        // put on the clipboard and pasted, when not empty
  bool cancel = false;
  // Seen in the box:
  bool found = false;
  std::string caption, editText;
  bool hasPrompt = false, password = false;
};
Script* g_script = nullptr;

std::string TextOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

void PutOnClipboard(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

// Runs from a thread timer inside the box's own message loop.
VOID CALLBACK Drive(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetActiveWindow();
  if (!box || GetDlgItem(box, rt::kEditId) == nullptr) return;  // not up yet
  KillTimer(nullptr, timer);
  Script& s = *g_script;
  s.found = true;
  s.caption = TextOf(box);
  HWND edit = GetDlgItem(box, rt::kEditId);
  s.hasPrompt = GetDlgItem(box, rt::kPromptId) != nullptr;
  s.password = (GetWindowLongA(edit, GWL_STYLE) & ES_PASSWORD) != 0;
  for (char c : s.typed) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  if (!s.paste.empty()) {
    PutOnClipboard(box, s.paste);
    SendMessageA(edit, WM_PASTE, 0, 0);
  }
  s.editText = TextOf(edit);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(s.cancel ? IDCANCEL : IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, s.cancel ? IDCANCEL : IDOK)));
}

bool RunScripted(Script& script, std::initializer_list<rt::TypedValue> args) {
  g_script = &script;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, &Drive);
  bool confirmed = rt::IntOf(rt::CallCommand("InputBox", args)) != 0;
  KillTimer(nullptr, timer);
  g_script = nullptr;
  return confirmed;
}

using test::Int;
using test::Text;

TEST(InputBoxWin, IntegerModeRefusesPointAndLetters) {
  Script script;
  script.typed = {'1', '.', 'a', '2', '-', 'Z', '\b', '7'};
  char* text = rt::CopyText("old");
  EXPECT_TRUE(RunScripted(script, {Text("prompt"), Text("t"), Text("9"), test::Ref(&text, rt::kTypeText), Int(2)}));
  ASSERT_TRUE(script.found);
  EXPECT_EQ(script.editText, "127");  // the initial 9 was selected and typed over; Backspace passes
  EXPECT_STREQ(text, "127");
  rt::Free(text);
}

TEST(InputBoxWin, DecimalModeTakesThePoint) {
  Script script;
  script.typed = {'-', '1', '.', '5', 'e', '3'};
  double value = 0;
  EXPECT_TRUE(RunScripted(script, {Text(""), Text(""), Text(""), test::Ref(&value, rt::kTypeDouble), Int(3)}));
  EXPECT_EQ(script.editText, "-1.53");
  EXPECT_EQ(value, -1.53);
}

TEST(InputBoxWin, PastingBypassesTheTypingFilter) {
  Script script;
  script.paste = "3.5x";
  int32_t value = 0;
  EXPECT_TRUE(RunScripted(script, {Text("p"), Text(""), Text(""), test::Ref(&value, rt::kTypeInt), Int(2)}));
  EXPECT_EQ(script.editText, "3.5x");
  EXPECT_EQ(value, 3);  // atoi
}

TEST(InputBoxWin, CancelLeavesTheVariable) {
  Script script;
  script.typed = {'4'};
  script.cancel = true;
  int32_t value = 11;
  EXPECT_FALSE(RunScripted(script, {Text("p"), Text(""), Text("5"), test::Ref(&value, rt::kTypeInt)}));
  EXPECT_EQ(value, 11);
}

TEST(InputBoxWin, LayoutCaptionAndPassword) {
  Script tall;
  int32_t value = 0;
  RunScripted(tall, {Text("prompt"), Text(""), Text(""), test::Ref(&value, rt::kTypeInt), Int(4)});
  EXPECT_TRUE(tall.hasPrompt);
  EXPECT_TRUE(tall.password);
  EXPECT_EQ(tall.caption, test::Gbk("请输入："));

  Script shorter;
  RunScripted(shorter, {Text(""), Text("my title"), Text(""), test::Ref(&value, rt::kTypeInt), Int(1)});
  EXPECT_FALSE(shorter.hasPrompt);
  EXPECT_FALSE(shorter.password);
  EXPECT_EQ(shorter.caption, "my title");
}

}  // namespace
}  // namespace lizhi
