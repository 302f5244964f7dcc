#include "runtime/template/unit_blocks.h"

#include "runtime/base/byte_stream.h"

namespace lizhi::rt {

namespace {
// Reads the version and refuses a block newer than `supported`.
bool VersionAccepted(ByteReader& r, int32_t supported) {
  int32_t version = r.I32();
  return r.ok() && version >= 0 && version <= supported;
}
}  // namespace

std::vector<uint8_t> EncodeBlock(const WindowBlock& b) {
  ByteWriter w;
  w.I32(WindowBlock::kVersion);
  w.I32(b.borderStyle);
  w.U32(b.background);
  w.I32(b.windowState);
  w.I32(b.alwaysOnTop);
  w.Text(b.caption);
  return w.Take();
}

std::vector<uint8_t> EncodeBlock(const TimerBlock& b) {
  ByteWriter w;
  w.I32(TimerBlock::kVersion);
  w.I32(b.interval);
  return w.Take();
}

std::vector<uint8_t> EncodeBlock(const LabelBlock& b) {
  ByteWriter w;
  w.I32(LabelBlock::kVersion);
  w.Text(b.caption);
  w.Text(b.fontFace);
  w.I32(b.fontHeight);
  w.I32(b.fontWeight);
  w.I32(b.charset);
  return w.Take();
}

std::vector<uint8_t> EncodeBlock(const ButtonBlock& b) {
  ByteWriter w;
  w.I32(ButtonBlock::kVersion);
  w.Text(b.caption);
  return w.Take();
}

std::optional<WindowBlock> DecodeWindowBlock(const std::vector<uint8_t>& bytes) {
  WindowBlock b;
  if (bytes.empty()) return b;
  ByteReader r(bytes.data(), bytes.size());
  if (!VersionAccepted(r, WindowBlock::kVersion)) return std::nullopt;
  b.borderStyle = r.I32();
  b.background = r.U32();
  b.windowState = r.I32();
  b.alwaysOnTop = r.I32();
  b.caption = r.Text();
  if (!r.ok()) return std::nullopt;
  return b;
}

std::optional<TimerBlock> DecodeTimerBlock(const std::vector<uint8_t>& bytes) {
  TimerBlock b;
  if (bytes.empty()) return b;
  ByteReader r(bytes.data(), bytes.size());
  if (!VersionAccepted(r, TimerBlock::kVersion)) return std::nullopt;
  b.interval = r.I32();
  if (!r.ok()) return std::nullopt;
  if (b.interval < 0) b.interval = 0;
  return b;
}

std::optional<LabelBlock> DecodeLabelBlock(const std::vector<uint8_t>& bytes) {
  LabelBlock b;
  if (bytes.empty()) return b;
  ByteReader r(bytes.data(), bytes.size());
  if (!VersionAccepted(r, LabelBlock::kVersion)) return std::nullopt;
  b.caption = r.Text();
  b.fontFace = r.Text();
  b.fontHeight = r.I32();
  b.fontWeight = r.I32();
  b.charset = r.I32();
  if (!r.ok()) return std::nullopt;
  return b;
}

std::optional<ButtonBlock> DecodeButtonBlock(const std::vector<uint8_t>& bytes) {
  ButtonBlock b;
  if (bytes.empty()) return b;
  ByteReader r(bytes.data(), bytes.size());
  if (!VersionAccepted(r, ButtonBlock::kVersion)) return std::nullopt;
  b.caption = r.Text();
  if (!r.ok()) return std::nullopt;
  return b;
}

}  // namespace lizhi::rt
