// The program frame on Windows: start-up, building windows from the template,
// the message loop and the end of the program.
#include <windows.h>
#include <ole2.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/base/win_handles.h"
#include "runtime/base/window_class_win.h"
#include "runtime/frame/dll_command.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/frame_windows_win.h"
#include "runtime/frame/music_stop.h"
#include "runtime/frame/unit_host.h"
#include "runtime/frame/window_table.h"
#include "runtime/template/unit_blocks.h"

namespace lizhi::rt {

namespace {

constexpr char kMessageWindowClass[] = "LizhiRuntimeMessageWindow";
constexpr int kControlIdBase = 1000;

// The runtime's own hidden window: it hears the end request made on another
// thread and the end of the session.
class MessageWindow {
 public:
  void Create() {
    win::RegisterObjectClass<MessageWindow>(kMessageWindowClass, 0, IDC_ARROW);
    window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this));
  }
  HWND get() const { return window_.get(); }
  void Destroy() { window_.reset(); }

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case kEndRequestMessage:
        EndProgram(static_cast<int32_t>(wParam));
      case WM_QUERYENDSESSION:
        return TRUE;
      case WM_ENDSESSION:
        // Windows is ending the session: leave the way "退出" does.
        if (wParam) EndProgram(0);
        return 0;
      case WM_NCDESTROY:
        window_.release();
        return DefWindowProcA(window, message, wParam, lParam);
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }

 private:
  win::Window window_;
};

// Both live until the end sequence lets them go in its order; static
// destruction never touches them.
MessageWindow& Messages() {
  static auto* window = new MessageWindow;
  return *window;
}
std::optional<win::OleScope>& Ole() {
  static auto* ole = new std::optional<win::OleScope>;
  return *ole;
}

bool g_initialised = false;

// Routines run while the program is idle, for as long as their window lives.
using IdleRoutine = void (*)(intptr_t argument);
struct IdleEntry {
  HWND window;
  IdleRoutine routine;
  intptr_t argument;
};
std::vector<IdleEntry> g_idle;

void RecordProgramPath() {
  char path[260] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  RuntimeState& state = Runtime();
  SplitModulePath(std::string(path, n), state.programDirectory, state.executableName);
  SetCurrentDirectoryA(state.programDirectory.c_str());
  // The current directory now holds the program; keep it out of the DLL search
  // path so that nothing planted beside lizhi.exe is loaded by name.
  SetDllDirectoryA("");
}

bool AnyLiveWindow() {
  for (WindowEntry& e : Windows().entries()) {
    if (e.window() && IsWindow(static_cast<HWND>(e.window()))) return true;
  }
  return false;
}

void RunIdleCallbacks() {
  for (size_t i = g_idle.size(); i-- > 0;) {
    if (i >= g_idle.size()) continue;  // a routine may have cleared the list
    IdleEntry entry = g_idle[i];
    if (!IsWindow(entry.window)) {
      g_idle.erase(g_idle.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    entry.routine(entry.argument);
  }
}

// One message through the loop; false on WM_QUIT.
bool PumpMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

}  // namespace

void InitialiseRuntime(const ProgramInfo& info) {
  if (g_initialised) return;
  g_initialised = true;
  RuntimeState& state = Runtime();
  state.runMode = info.runMode;
  Ole().emplace();
  RecordProgramPath();
  Messages().Create();
  state.mainThreadId = GetCurrentThreadId();
  LoadTemplateOrFail(info.windowTemplate, info.windowTemplateSize);
}

void RegisterExitRoutine(ExitRoutine routine) { Runtime().exitRoutine = routine; }

void LoadWindow(uint32_t windowId) {
  WindowEntry* entry = Windows().Find(windowId);
  if (!entry) FatalRuntimeError(text::kStartupWindowFailed);
  HWND live = static_cast<HWND>(entry->window());
  if (live && IsWindow(live)) {
    if (IsIconic(live)) {
      ShowWindow(live, SW_RESTORE);
    } else {
      SetActiveWindow(live);
    }
    return;
  }
  HWND focus = GetFocus();

  UnitHostCallback(kHostBeginBuild, 0, 0);
  HWND window = CreateTemplateWindow(*entry);
  if (!window) FatalRuntimeError(text::kStartupWindowFailed);

  const WindowRecord& record = entry->record;
  for (size_t i = 0; i < record.units.size(); ++i) {
    const UnitRecord& unit = record.units[i];
    if (unit.unitId == kWindowUnitId || unit.isMenuItem()) continue;
    LiveUnit live{unit.unitId, FindUnitType(unit.type), nullptr};
    if (live.type && live.type->create) {
      UnitCreateParams p;
      p.block = unit.body.ownBlock.data();
      p.blockSize = unit.body.ownBlock.size();
      p.parentWindow = window;
      if (LiveUnit* parent = entry->FindLive(unit.parent); parent && parent->object && parent->type->windowOf) {
        p.parentWindow = parent->type->windowOf(parent->object);
      }
      p.left = unit.body.left;
      p.top = unit.body.top;
      p.width = unit.body.width;
      p.height = unit.body.height;
      p.controlId = kControlIdBase + static_cast<int32_t>(i);
      p.windowId = windowId;
      p.unitId = unit.unitId;
      live.object = live.type->create(p);
    }
    entry->units.push_back(live);
  }
  for (LiveUnit& unit : entry->units) {
    if (!unit.object || !unit.type->windowOf) continue;
    HWND h = static_cast<HWND>(unit.type->windowOf(unit.object));
    const UnitRecord* r = record.FindUnit(unit.unitId);
    if (h && r) ShowWindow(h, (r->body.stateFlags & 1) ? SW_SHOWNA : SW_HIDE);
  }
  UnitHostCallback(kHostEndBuild, 0, 0);

  if (record.units[0].body.stateFlags & 1) ShowTemplateWindow(*entry);

  for (int32_t event : {0, 3, 4}) {
    if (!IsWindow(window)) break;
    FireUnitEvent(windowId, kWindowUnitId, event);
  }
  if (focus && IsWindow(focus)) SetFocus(focus);
}

void RunMessageLoop() {
  if (!AnyLiveWindow()) return;
  GuardAllocations([] {
    MSG msg;
    for (;;) {
      // Idle phase: the framework itself has no idle work, so one pass suffices.
      if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) RunIdleCallbacks();
      do {
        if (!PumpMessage()) return;
      } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
  });
}

bool ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
}

void EndProgram(int32_t exitCode) {
  RuntimeState& state = Runtime();
  if (GetCurrentThreadId() != state.mainThreadId) {
    if (HWND messages = Messages().get()) {
      SendMessageA(messages, kEndRequestMessage, static_cast<WPARAM>(exitCode), 0);
    }
    if (!state.exiting) ExitProcess(static_cast<UINT>(exitCode));
    for (;;) Sleep(INFINITE);  // the main thread is ending the process
  }
  if (state.exiting) ExitProcess(static_cast<UINT>(exitCode));
  ++state.suppressionCount;
  state.exiting = true;
  g_idle.clear();
  for (WindowEntry& e : Windows().entries()) {
    // The table's windows are the frame's own; each goes with its units. The
    // entry keeps its window until then: the window's last messages find it.
    if (e.form) e.form->Destroy();
  }
  if (ExitRoutine routine = state.exitRoutine) {
    state.exitRoutine = nullptr;
    routine();
  }
  ReleaseDllCommands();
  Messages().Destroy();
  StopRegisteredMusic();
  Ole().reset();
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace lizhi::rt
