#include "units/tray/property_block.h"

#include "runtime/base/byte_stream.h"

namespace lizhi::tray {

namespace {

uint8_t ReadByte(rt::ByteReader& in) {
  std::vector<uint8_t> one;
  return in.Bytes(1, one) ? one[0] : 0;
}

// A signed length followed by that many bytes; a length of 0 or less has none.
std::vector<uint8_t> ReadCounted(rt::ByteReader& in) {
  int32_t length = in.I32();
  std::vector<uint8_t> bytes;
  if (in.ok() && length > 0) in.Bytes(static_cast<size_t>(length), bytes);
  return bytes;
}

}  // namespace

std::optional<TrayIconProperties> LoadTrayIconBlock(const uint8_t* data, size_t size) {
  TrayIconProperties properties;
  if (!data || size == 0) return properties;

  rt::ByteReader in(data, size);
  properties.version = ReadByte(in);
  properties.icon = ReadCounted(in);
  std::vector<uint8_t> tip = ReadCounted(in);
  properties.tip.assign(tip.begin(), tip.end());
  properties.showInTray = ReadByte(in) != 0;
  if (!in.ok()) return std::nullopt;
  return properties;
}

std::vector<uint8_t> SaveTrayIconBlock(const TrayIconProperties& properties) {
  rt::ByteWriter out;
  uint8_t version = 1;
  out.Bytes(&version, 1);
  out.I32(static_cast<int32_t>(properties.icon.size()));
  if (!properties.icon.empty()) out.Bytes(properties.icon.data(), properties.icon.size());
  out.I32(static_cast<int32_t>(properties.tip.size()));
  if (!properties.tip.empty()) out.Bytes(properties.tip.data(), properties.tip.size());
  uint8_t show = properties.showInTray ? 1 : 0;
  out.Bytes(&show, 1);
  return out.Take();
}

}  // namespace lizhi::tray
