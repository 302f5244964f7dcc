// A Linux stand-in for the private-profile functions, close enough to Windows
// for the cases the tests use: sections and keys match without regard to ASCII
// case, blanks around keys and values are dropped, a value in matching quotes
// loses them, and lines the parser does not understand are kept as they are.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/commands/ini.h"
#include "runtime/commands/ini_names.h"
#include "runtime/commands/native_path.h"

namespace lizhi::rt {

namespace {

using ini::SameName;
using ini::Trim;

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  std::string text = all.str();
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool SectionHeader(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return false;
  size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return false;  // not a header: the line is skipped
  name = Trim(line.substr(1, close - 1));
  return true;
}

bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

// Index of the section's header line and one past its last line; false when
// the section is missing.
bool FindSection(const std::vector<std::string>& lines, std::string_view section, size_t& header, size_t& end) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (SectionHeader(lines[i], name) && SameName(name, section)) {
      header = i;
      end = i + 1;
      while (end < lines.size() && !SectionHeader(lines[end], name)) ++end;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ReadProfileString(const char* file, const char* section, const char* key, const char* defaultValue,
                              size_t bufferSize) {
  std::vector<std::string> lines = ReadLines(NativePath(file));
  std::string value(Trim(defaultValue ? defaultValue : ""));
  size_t header, end;
  if (FindSection(lines, section, header, end)) {
    for (size_t i = header + 1; i < end; ++i) {
      std::string_view k, v;
      if (KeyLine(lines[i], k, v) && SameName(k, key)) {
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
          v = v.substr(1, v.size() - 2);
        value.assign(v);
        break;
      }
    }
  }
  value.resize(std::min(std::strlen(value.c_str()), bufferSize - 1));
  return value;
}

bool WriteProfileString(const char* file, const char* section, const char* key, const char* value) {
  if (!file || !*file || !section) return false;
  std::string path = NativePath(file);
  std::vector<std::string> lines = ReadLines(path);
  size_t header, end;
  bool found = FindSection(lines, section, header, end);
  if (!key) {
    if (found) lines.erase(lines.begin() + static_cast<ptrdiff_t>(header), lines.begin() + static_cast<ptrdiff_t>(end));
  } else {
    size_t keyLine = 0;
    bool hasKey = false;
    if (found) {
      for (size_t i = header + 1; i < end && !hasKey; ++i) {
        std::string_view k, v;
        if (KeyLine(lines[i], k, v) && SameName(k, key)) keyLine = i, hasKey = true;
      }
    }
    std::string entry = std::string(key) + "=" + (value ? value : "");
    if (!value) {
      if (hasKey) lines.erase(lines.begin() + static_cast<ptrdiff_t>(keyLine));
    } else if (hasKey) {
      lines[keyLine] = entry;
    } else if (found) {
      size_t at = end;
      while (at > header + 1 && Trim(lines[at - 1]).empty()) --at;
      lines.insert(lines.begin() + static_cast<ptrdiff_t>(at), entry);
    } else {
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(entry);
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& line : lines) out << line << "\r\n";
  return static_cast<bool>(out.flush());
}

}  // namespace lizhi::rt
