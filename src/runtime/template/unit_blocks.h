// Stored property blocks of the core library's units (window, timer, label,
// button). Each block starts with a version; a newer version than the one a
// reader knows is refused and the unit keeps its defaults.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lizhi::rt {

struct WindowBlock {
  static constexpr int32_t kVersion = 6;
  int32_t borderStyle = 2;           // 0 none: no border and no caption
  uint32_t background = 0xFF000000;  // 0xFF000000: the system's button face
  int32_t windowState = 0;
  int32_t alwaysOnTop = 0;
  std::string caption;
};

struct TimerBlock {
  static constexpr int32_t kVersion = 1;
  int32_t interval = 0;  // milliseconds, 0 stopped
};

struct LabelBlock {
  static constexpr int32_t kVersion = 1;
  std::string caption;
  std::string fontFace;
  int32_t fontHeight = -12;
  int32_t fontWeight = 400;
  int32_t charset = 1;  // DEFAULT_CHARSET
};

struct ButtonBlock {
  static constexpr int32_t kVersion = 1;
  std::string caption;
};

std::vector<uint8_t> EncodeBlock(const WindowBlock& b);
std::vector<uint8_t> EncodeBlock(const TimerBlock& b);
std::vector<uint8_t> EncodeBlock(const LabelBlock& b);
std::vector<uint8_t> EncodeBlock(const ButtonBlock& b);

// Empty input gives the defaults; a damaged block or a newer version nothing.
std::optional<WindowBlock> DecodeWindowBlock(const std::vector<uint8_t>& bytes);
std::optional<TimerBlock> DecodeTimerBlock(const std::vector<uint8_t>& bytes);
std::optional<LabelBlock> DecodeLabelBlock(const std::vector<uint8_t>& bytes);
std::optional<ButtonBlock> DecodeButtonBlock(const std::vector<uint8_t>& bytes);

}  // namespace lizhi::rt
