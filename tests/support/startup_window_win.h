// The program's start-up window built from its template for a test suite, and
// taken down again after it, so that every suite starts from no window at all.
#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "app/program_units_win.h"
#include "data/startup_window.h"
#include "runtime/base/win_handles.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/window_table.h"

namespace lizhi::test {

inline HWND StartupWindowHandle() {
  auto window = static_cast<HWND>(rt::UnitWindowHandle(rt::kStartupWindowId, rt::kWindowUnitId));
  return window && IsWindow(window) ? window : nullptr;
}

// Builds the window with `handlers` bound to its events (they must outlive it).
inline void BuildStartupWindow(std::span<const rt::EventHandler> handlers) {
  static const std::vector<uint8_t> bytes = data::StartupTemplateBytes();
  rt::ProgramInfo info;
  info.windowTemplate = bytes.data();
  info.windowTemplateSize = bytes.size();
  rt::InitialiseRuntime(info);
  app::RegisterSupportLibraries();
  rt::SetEventHandlers(handlers);
  rt::LoadWindow(rt::kStartupWindowId);
}

// The window goes with its units, as the end of the program takes it.
inline void DestroyStartupWindow() { win::Window(StartupWindowHandle()).reset(); }

}  // namespace lizhi::test
