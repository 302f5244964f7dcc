// What the program frame offers the application core, the units and the runtime
// commands: the window table, unit properties, the message loop and the end of
// the program.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/base/runtime_state.h"
#include "runtime/base/typed_value.h"

namespace lizhi::rt {

constexpr uint32_t kStartupWindowId = 0x52010001;
constexpr uint32_t kWindowUnitId = 0x06010000;   // a window's own record
constexpr uint32_t kEndRequestMessage = 0x83E7;  // wParam = exit code

// What the build hands the frame: the run mode and the stored window template.
struct ProgramInfo {
  int32_t runMode = kRunModeProgram;
  const uint8_t* windowTemplate = nullptr;
  size_t windowTemplateSize = 0;
};

// Start-up: heap, OLE, program directory as current directory, message window,
// DllCommand table, window template (fatal "载入窗口模板数据段出错!" when it
// cannot be read). Runs once.
void InitialiseRuntime(const ProgramInfo& info);
void RegisterExitRoutine(ExitRoutine routine);
// Builds a window from the template (fatal "载入启动窗口失败" when it cannot).
void LoadWindow(uint32_t windowId);
// Returns when no window is live or WM_QUIT arrives.
void RunMessageLoop();
// Pumps waiting messages (not WM_QUIT); true when a message is still waiting.
bool ProcessPendingMessages();
// The end sequence, then process exit. From another thread it becomes an end
// request to the main thread.
[[noreturn]] void EndProgram(int32_t exitCode);

// Unit properties by index (0..7 common, 8.. the type's own). Texts read come
// back as fresh runtime copies owned by the caller.
TypedValue ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex = -1);
void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, const TypedValue& value,
                       int32_t arrayIndex = -1);
// The unit's live window handle (a window unit: the window itself), or null.
void* UnitWindowHandle(uint32_t windowId, uint32_t unitId);
// The unit object created by its type's Create entry, or null.
void* UnitObject(uint32_t windowId, uint32_t unitId);

// Pops up the template menu `menuUnitId` of the window at the cursor.
void PopupTemplateMenu(uint32_t windowId, uint32_t menuUnitId);

}  // namespace lizhi::rt
