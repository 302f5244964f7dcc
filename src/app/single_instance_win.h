// The Windows side of one instance per program directory: a named mutex held
// for the whole run, and a hidden window, named like the mutex, that hears of
// second starts through a registered message.
#pragma once
#include <windows.h>

#include <string>

#include "runtime/base/win_handles.h"

namespace lizhi::app {

// The directory of the running executable, in its long form.
std::string OwnProgramDirectory();

class SingleInstance {
 public:
  explicit SingleInstance(const std::string& programDirectory);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another start from the same directory is running.
  bool first() const { return first_; }
  // A second start: lets the running one take the foreground and asks it to
  // pop up its tray menu. False when it could not be reached.
  bool WakeRunning() const;
  // The first start: calls `onSecondStart` on this thread for every later
  // start, once the message loop runs.
  bool Listen(void (*onSecondStart)());

  // For the window class: every message of the listening window.
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  std::string name_;
  win::Handle mutex_;
  bool first_ = true;
  void (*onSecondStart_)() = nullptr;
  win::Window window_;
};

}  // namespace lizhi::app
