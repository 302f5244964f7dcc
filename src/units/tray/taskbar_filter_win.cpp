#include "units/tray/taskbar_filter_win.h"

#include <vector>

namespace lizhi::tray {

namespace {

struct ListedInstance {
  void* instance;
  ReAddIcon reAdd;
};

// Touched only on the GUI thread.
struct FilterState {
  std::vector<ListedInstance> instances;
  HWND filtered = nullptr;
  WNDPROC previous = nullptr;
};

FilterState& State() {
  static FilterState state;
  return state;
}

LRESULT CALLBACK TaskbarFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FilterState& state = State();
  if (message == TaskbarCreatedMessage()) {
    // By index: a re-add may run handlers, but it never lists or unlists.
    for (size_t i = 0; i < state.instances.size(); ++i) state.instances[i].reAdd(state.instances[i].instance);
  }
  return CallWindowProcA(state.previous, window, message, wParam, lParam);
}

void RemoveFilter(FilterState& state) {
  if (state.filtered && IsWindow(state.filtered)) {
    SetWindowLongPtrA(state.filtered, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous));
  }
  state.filtered = nullptr;
  state.previous = nullptr;
}

}  // namespace

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

void ListTrayInstance(void* instance, HWND unitWindow, ReAddIcon reAdd) {
  FilterState& state = State();
  state.instances.push_back({instance, reAdd});
  if (state.filtered) return;
  HWND topLevel = GetAncestor(unitWindow, GA_ROOT);
  if (!topLevel) return;
  auto previous =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(topLevel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TaskbarFilter)));
  if (!previous) return;
  state.filtered = topLevel;
  state.previous = previous;
}

void UnlistTrayInstance(void* instance) {
  FilterState& state = State();
  for (auto it = state.instances.begin(); it != state.instances.end(); ++it) {
    if (it->instance == instance) {
      state.instances.erase(it);
      break;
    }
  }
  if (state.instances.empty()) RemoveFilter(state);
}

size_t TrayInstanceCount() { return State().instances.size(); }

void ForEachTrayInstance(void (*action)(void* instance)) {
  const std::vector<ListedInstance>& instances = State().instances;
  for (size_t i = 0; i < instances.size(); ++i) action(instances[i].instance);
}

HWND FilteredWindow() { return State().filtered; }

}  // namespace lizhi::tray
