#include "app/settings/ini_editor.h"

#include <optional>

#include "runtime/commands/ini_names.h"

namespace lizhi::app {

namespace {

using rt::ini::SameName;
using rt::ini::Trim;

struct Line {
  size_t begin;  // first byte
  size_t end;    // the line end (or the end of the text)
  size_t next;   // first byte of the next line
  std::string_view content;
};

std::optional<Line> LineAt(std::string_view text, size_t begin) {
  if (begin >= text.size()) return std::nullopt;
  size_t end = text.find('\n', begin);
  size_t next = end == std::string_view::npos ? text.size() : end + 1;
  if (end == std::string_view::npos) end = text.size();
  if (end > begin && text[end - 1] == '\r') --end;
  return Line{begin, end, next, text.substr(begin, end - begin)};
}

// A "[name]" line (the name is what lies before the last "]").
std::optional<std::string_view> SectionName(std::string_view content) {
  content = Trim(content);
  if (content.empty() || content.front() != '[') return std::nullopt;
  size_t close = content.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return Trim(content.substr(1, close - 1));
}

bool IsKeyLine(std::string_view content, std::string_view key) {
  size_t eq = content.find('=');
  return eq != std::string_view::npos && SameName(Trim(content.substr(0, eq)), key);
}

}  // namespace

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
  std::string entry = std::string(key) + "=" + std::string(value);
  bool inSection = false;
  std::optional<size_t> insertAt;  // after the section's last non-blank line
  for (auto line = LineAt(text, 0); line; line = LineAt(text, line->next)) {
    if (auto name = SectionName(line->content)) {
      if (inSection) break;  // the section ended without the key
      inSection = SameName(*name, section);
      if (inSection) insertAt = line->next;
      continue;
    }
    if (!inSection) continue;
    if (IsKeyLine(line->content, key)) {
      std::string out(text.substr(0, line->begin));
      out += entry;
      out.append(text.substr(line->end));
      return out;
    }
    if (!Trim(line->content).empty()) insertAt = line->next;
  }
  std::string out;
  if (insertAt) {
    out.assign(text.substr(0, *insertAt));
    if (!out.empty() && out.back() != '\n') out += "\r\n";  // the section's last line had no end
    out += entry + "\r\n";
    out.append(text.substr(*insertAt));
    return out;
  }
  out.assign(text);
  if (!out.empty() && out.back() != '\n') out += "\r\n";
  out += "[" + std::string(section) + "]\r\n" + entry + "\r\n";
  return out;
}

std::string RemoveIniValue(std::string_view text, std::string_view section, std::string_view key) {
  bool inSection = false;
  for (auto line = LineAt(text, 0); line; line = LineAt(text, line->next)) {
    if (auto name = SectionName(line->content)) {
      if (inSection) break;
      inSection = SameName(*name, section);
      continue;
    }
    if (inSection && IsKeyLine(line->content, key)) {
      std::string out(text.substr(0, line->begin));
      out.append(text.substr(line->next));
      return out;
    }
  }
  return std::string(text);
}

}  // namespace lizhi::app
