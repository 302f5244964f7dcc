// Screen pixels for tests under Wine.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace lizhi::test {

// The pixels of a screen rectangle, row by row (colour 0x00RRGGBB), from one capture.
std::vector<uint32_t> CaptureScreen(const RECT& area);

}  // namespace lizhi::test
