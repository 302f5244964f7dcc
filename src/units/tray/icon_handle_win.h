// Icon handles made from icon file bytes held in memory.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace lizhi::tray {

// The 16 x 16 image (or the 32 x 32 one with want32) of an icon file as an icon
// handle the caller owns; null when the bytes hold no such readable image.
HICON IconFromFileData(const uint8_t* data, size_t length, bool want32);

// The 16 x 16 image, else the 32 x 32 one.
HICON SmallIconFromFileData(const uint8_t* data, size_t length);

}  // namespace lizhi::tray
