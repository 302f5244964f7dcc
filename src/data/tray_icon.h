// The tray icon's image: a standard .ico file with one 32 x 32 image; and the
// same picture in greys, shown while lizhi is paused.
#pragma once
#include <cstdint>
#include <span>

namespace lizhi::data {

constexpr size_t kTrayIconSize = 2238;
std::span<const uint8_t> TrayIconBytes();
std::span<const uint8_t> TrayIconPausedBytes();

}  // namespace lizhi::data
