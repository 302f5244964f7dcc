// The tray icon's stored properties as the window template keeps them:
//   version (1 byte, written as 1), icon length (i32) + icon file bytes,
//   tip length (i32) + tip bytes (no terminator), show in tray (1 byte).
// Little-endian, no padding; a length of 0 or less means none.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lizhi::tray {

struct TrayIconProperties {
  uint8_t version = 1;
  std::vector<uint8_t> icon;  // an icon file image; empty: no icon
  std::string tip;
  bool showInTray = true;
};

// No block at all gives the defaults; a block that ends early gives nothing.
std::optional<TrayIconProperties> LoadTrayIconBlock(const uint8_t* data, size_t size);
std::vector<uint8_t> SaveTrayIconBlock(const TrayIconProperties& properties);

}  // namespace lizhi::tray
