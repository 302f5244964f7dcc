#include "runtime/frame/dll_command.h"

#include <cctype>

namespace lizhi::rt {

namespace {
// The exported names, by index; the same API may stand at two indexes, each
// with its own cache slot.
constexpr const char* kExportNames[kDllCommandCount] = {
    "GetForegroundWindow",
    "GetClientRect",
    "GetWindowRect",
    "GetDC",
    "GetPixel",
    "ReleaseDC",
    "MessageBoxA",
    "MessageBoxTimeoutA",
    "CreateWaitableTimerA",
    "SetWaitableTimer",
    "MsgWaitForMultipleObjects",
    "CancelWaitableTimer",
    "GetDC",
    "CreateFontIndirectA",
    "SelectObject",
    "SetBkMode",
    "SetTextColor",
    "TextOutA",
    "DeleteObject",
    "ReleaseDC",
    "EnumDisplaySettingsA",
    "ClientToScreen",
    "CreateCompatibleDC",
    "CreateDIBSection",
    "BitBlt",
    "GetObjectA",
    "GetDIBits",
    "GetDIBits",
    "RtlMoveMemory",
    "RtlMoveMemory",
    "DeleteDC",
    "GetPixel",
    "GetParent",
    "IsWindow",
    "MoveWindow",
    "ShowWindow",
    "IsIconic",
    "IsWindowVisible",
    "CreateCompatibleBitmap",
    "PrintWindow",
};
}  // namespace

const char* DllCommandName(int index) {
  if (index < 0 || index >= kDllCommandCount) return "";
  return kExportNames[index];
}

int32_t DllOrdinal(const std::string& exportedName) {
  if (exportedName.size() < 2 || exportedName[0] != '#') return -1;
  uint32_t value = 0;
  for (size_t i = 1; i < exportedName.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(exportedName[i]);
    if (!std::isdigit(c)) break;
    value = value * 10 + (c - '0');
  }
  return static_cast<int32_t>(value & 0xFFFF);
}

}  // namespace lizhi::rt
