// The icon the locator shows for a moment in place of the real one: a 318-byte
// icon file with one 16 x 16, 16-colour image whose pixels are all colour 0
// (black) and whose mask is all zero, so the whole square is opaque black.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace lizhi::tray {

constexpr std::size_t kProbeIconFileSize = 318;
const std::array<uint8_t, kProbeIconFileSize>& ProbeIconFile();

}  // namespace lizhi::tray
