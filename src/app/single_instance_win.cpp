#include "app/single_instance_win.h"

#include "app/single_instance.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_class_win.h"

namespace lizhi::app {

namespace {

constexpr char kListenerClass[] = "LizhiInstance";
constexpr DWORD kFindTimeoutMs = 3000;

UINT SecondStartMessage() {
  static const UINT message = RegisterWindowMessageA("LizhiSecondStart");
  return message;
}

}  // namespace

std::string OwnProgramDirectory() {
  char path[MAX_PATH] = {}, longPath[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  DWORD m = GetLongPathNameA(path, longPath, sizeof longPath);
  std::string directory, name;
  rt::SplitModulePath(m > 0 && m < sizeof longPath ? std::string(longPath, m) : std::string(path, n), directory, name);
  return directory;
}

SingleInstance::SingleInstance(const std::string& programDirectory) : name_(InstanceName(programDirectory)) {
  mutex_.reset(CreateMutexA(nullptr, FALSE, name_.c_str()));
  // Without a mutex at all the program runs as it always did.
  first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::WakeRunning() const {
  // The running one may be between taking the mutex and making its window.
  HWND listener = nullptr;
  for (DWORD start = GetTickCount(); !listener && GetTickCount() - start < kFindTimeoutMs;) {
    listener = FindWindowA(kListenerClass, name_.c_str());
    if (!listener) Sleep(50);
  }
  if (!listener) return false;
  DWORD pid = 0;
  GetWindowThreadProcessId(listener, &pid);
  // The menu must take the foreground to close on an outside click; a process
  // in the background may only do so when the one in front allows it.
  AllowSetForegroundWindow(pid);
  return PostMessageA(listener, SecondStartMessage(), 0, 0) != FALSE;
}

bool SingleInstance::Listen(void (*onSecondStart)()) {
  onSecondStart_ = onSecondStart;
  win::RegisterObjectClass<SingleInstance>(kListenerClass, 0, nullptr);
  // A hidden top-level window, not a message-only one: FindWindow sees it.
  window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kListenerClass, name_.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), this));
  return static_cast<bool>(window_);
}

LRESULT SingleInstance::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == SecondStartMessage() && onSecondStart_) {
    onSecondStart_();
    return 0;
  }
  if (message == WM_NCDESTROY) window_.release();
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace lizhi::app
