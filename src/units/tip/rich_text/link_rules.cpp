#include "units/tip/rich_text/link_rules.h"

#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

bool HasUnsafeCharacter(std::string_view text) {
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '"') return true;
  }
  return false;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && AsciiLower(text.substr(0, prefix.size())) == prefix;
}

}  // namespace

bool IsOpenableAddress(std::string_view target) {
  if (HasUnsafeCharacter(target)) return false;
  for (std::string_view scheme : {"http:", "https:", "mailto:"}) {
    if (StartsWithNoCase(target, scheme) && target.size() > scheme.size()) return true;
  }
  return false;
}

std::string BrowserCommandLine(std::string_view openCommand, std::string_view target) {
  size_t cut = openCommand.find("\"%1");
  if (cut == std::string_view::npos) cut = openCommand.find("%1");
  std::string_view program = Trim(openCommand.substr(0, cut == std::string_view::npos ? openCommand.size() : cut));
  std::string line(program);
  line.append(" \"").append(target).append("\"");
  return line;
}

bool IsLocalPath(std::string_view path) {
  if (path.empty() || HasUnsafeCharacter(path)) return false;
  auto separator = [](char c) { return c == '\\' || c == '/'; };
  if (path.size() >= 2 && separator(path[0]) && separator(path[1])) return false;  // UNC and device paths
  for (size_t i = 0; i < path.size(); i += CharLength(path, i)) {
    if (path[i] == ':' && !(i == 1 && IsAsciiLetter(path[0]))) return false;  // a scheme or stream
  }
  return true;
}

}  // namespace lizhi::tip
