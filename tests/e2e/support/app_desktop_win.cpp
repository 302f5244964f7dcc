#include "e2e/support/app_desktop_win.h"

#include <vector>

#include "e2e/support/lizhi_process_win.h"

namespace lizhi::test {

namespace {

constexpr char kWindowClass[] = "LizhiE2EForeground";

void RegisterClassOnce() {
  static bool done = false;
  if (done) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kWindowClass;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
  done = true;
}

}  // namespace

ForegroundWindow::ForegroundWindow(int left, int top, int width, int height, DWORD style) {
  RegisterClassOnce();
  window_.reset(CreateWindowExA(0, kWindowClass, "lizhi e2e", style | WS_VISIBLE, left, top, width, height, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
  SetForegroundWindow(window_.get());
  UpdateWindow(window_.get());
  PumpFor(200);
}

ForegroundWindow::~ForegroundWindow() = default;

int CountScreenPixels(const RECT& area, const std::function<bool(COLORREF)>& match) {
  int count = 0;
  for (uint32_t rgb : CaptureScreen(area)) count += match(rgb) ? 1 : 0;
  return count;
}

bool IsYellow(COLORREF rgb) {
  int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return r > 200 && g > 200 && b < 80;
}

HWND WaitForDialogOf(DWORD pid, DWORD ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = TopWindowOfClass(pid, "#32770", true)) != nullptr; }, ms);
  return found;
}

void PressDialogButton(HWND dialog, int buttonId) {
  HWND button = GetDlgItem(dialog, buttonId);
  if (button)
    PostMessageA(button, BM_CLICK, 0, 0);
  else
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

void PressDialogButtonUntilGone(HWND dialog, int buttonId) {
  // Under load a dialog that is still filling itself in can lose the press.
  for (int i = 0; i < 5 && IsWindow(dialog); ++i) {
    PressDialogButton(dialog, buttonId);
    if (WaitUntil([&] { return !IsWindow(dialog); }, 2000)) return;
  }
}

void PostMenuCommand(HWND startupWindow, MenuRecord record) {
  PostMessageA(startupWindow, WM_COMMAND, MAKEWPARAM(20000 + record, 0), 0);
}

void ClickAt(int x, int y) {
  SetCursorPos(x, y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

std::string ReadLzKey(const std::string& iniPath, const char* key, const char* fallback) {
  std::vector<char> buffer(10240);
  GetPrivateProfileStringA("lz", key, fallback, buffer.data(), static_cast<DWORD>(buffer.size()), iniPath.c_str());
  return buffer.data();
}

void WriteLzKey(const std::string& iniPath, const char* key, const char* value) {
  WritePrivateProfileStringA("lz", key, value, iniPath.c_str());
}

}  // namespace lizhi::test
