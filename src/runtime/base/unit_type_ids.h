// The ids of the unit types the program uses, as the window template stores them
// in each unit's record.
#pragma once
#include <cstdint>

namespace lizhi::rt {

constexpr uint32_t kUnitTypeWindow = 0x00010001;
constexpr uint32_t kUnitTypeMenu = 0x00010003;
constexpr uint32_t kUnitTypeLabel = 0x0001000A;
constexpr uint32_t kUnitTypeButton = 0x0001000B;
constexpr uint32_t kUnitTypeCommonDlg = 0x0001001F;
constexpr uint32_t kUnitTypeTimer = 0x00010020;
constexpr uint32_t kUnitTypeTrayIcon = 0x00030001;
constexpr uint32_t kUnitTypeTip = 0x00050001;
constexpr uint32_t kUnitTypeAgent = 0x00070001;

}  // namespace lizhi::rt
