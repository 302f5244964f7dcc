// The baseline for lizhi's start-up and memory: a program that does nothing but
// put an icon in the notification area, built with the same compiler, flags
// and static runtime as lizhi.exe. A hidden window owns the icon; WM_CLOSE ends
// the program and takes the icon away.
#include <windows.h>
#include <shellapi.h>

#include "runtime/base/win_handles.h"

namespace {

constexpr char kWindowClass[] = "LizhiMinimalTray";
constexpr UINT kIconId = 1;
constexpr UINT kIconMessage = WM_APP + 1;

NOTIFYICONDATAA IconRecord(HWND window) {
  NOTIFYICONDATAA record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kIconId;
  return record;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      lizhi::win::Window(window).reset();
      return 0;
    case WM_DESTROY: {
      NOTIFYICONDATAA record = IconRecord(window);
      Shell_NotifyIconA(NIM_DELETE, &record);
      PostQuitMessage(0);
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  NOTIFYICONDATAA record = IconRecord(window);
  record.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  record.uCallbackMessage = kIconMessage;
  record.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  lstrcpynA(record.szTip, "minimal tray", sizeof record.szTip);
  Shell_NotifyIconA(NIM_ADD, &record);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
