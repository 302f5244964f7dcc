// Windows functions called by exported name. Each of the program's 40 indexes
// resolves once (searching the default system libraries in a fixed order) and
// keeps its module and address; a name found nowhere is fatal.
#pragma once
#include <cstdint>
#include <string>

namespace lizhi::rt {

enum DllIndex : int {
  kDllGetForegroundWindow = 0,
  kDllGetClientRect = 1,
  kDllGetWindowRect = 2,
  kDllGetDC = 3,
  kDllGetPixel = 4,
  kDllReleaseDC = 5,
  kDllMessageBoxA = 6,
  kDllMessageBoxTimeoutA = 7,
  kDllCreateWaitableTimerA = 8,
  kDllSetWaitableTimer = 9,
  kDllMsgWaitForMultipleObjects = 10,
  kDllCancelWaitableTimer = 11,
  kDllGetDC2 = 12,
  kDllCreateFontIndirectA = 13,
  kDllSelectObject = 14,
  kDllSetBkMode = 15,
  kDllSetTextColor = 16,
  kDllTextOutA = 17,
  kDllDeleteObject = 18,
  kDllReleaseDC2 = 19,
  kDllEnumDisplaySettingsA = 20,
  kDllClientToScreen = 21,
  kDllCreateCompatibleDC = 22,
  kDllCreateDIBSection = 23,
  kDllBitBlt = 24,
  kDllGetObjectA = 25,
  kDllGetDIBits = 26,
  kDllGetDIBits2 = 27,
  kDllRtlMoveMemory = 28,
  kDllRtlMoveMemory2 = 29,
  kDllDeleteDC = 30,
  kDllGetPixel2 = 31,
  kDllGetParent = 32,
  kDllIsWindow = 33,
  kDllMoveWindow = 34,
  kDllShowWindow = 35,
  kDllIsIconic = 36,
  kDllIsWindowVisible = 37,
  kDllCreateCompatibleBitmap = 38,
  kDllPrintWindow = 39,
  kDllCommandCount = 40,
};

// The exported name of an index ("#n" would name an ordinal).
const char* DllCommandName(int index);
// "#123" -> 123 masked to 16 bits; -1 when the name is not an ordinal.
int32_t DllOrdinal(const std::string& exportedName);

// Resolves an index to its address (cached); fatal when not found.
void* ResolveDllCommand(int index);
// Frees every cached module (end of the program).
void ReleaseDllCommands();

// Calls index `i` as a function of type Fn, e.g.
//   CallDll<decltype(&::GetForegroundWindow)>(kDllGetForegroundWindow)
template <typename Fn, typename... Args>
auto CallDll(int index, Args... args) {
  return reinterpret_cast<Fn>(ResolveDllCommand(index))(args...);
}

}  // namespace lizhi::rt
