// Whole-file reads and writes, and the Windows form of a path, for tests of
// every tier.
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace lizhi::test {

// The file's bytes, or nothing when it cannot be opened.
inline std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  const auto text = ReadWholeFile(path);
  if (!text) return {};
  return std::vector<uint8_t>(text->begin(), text->end());
}

inline bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// A Linux path as Wine's Z: drive shows it.
inline std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath) {
    if (c == '/') c = '\\';
  }
  return "Z:" + unixPath;
}

}  // namespace lizhi::test
