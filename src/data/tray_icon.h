// The tray icon's image: a standard .ico file with one 32 x 32 image.
#pragma once
#include <cstdint>
#include <span>

namespace lizhi::data {

constexpr size_t kTrayIconSize = 2238;
std::span<const uint8_t> TrayIconBytes();

}  // namespace lizhi::data
