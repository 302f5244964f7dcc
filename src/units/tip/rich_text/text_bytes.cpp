#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

template <typename Change>
std::string MapSingleBytes(std::string_view text, Change change) {
  std::string out(text);
  for (size_t i = 0; i < out.size();) {
    size_t n = CharLength(out, i);
    if (n == 1) out[i] = change(out[i], i);
    i += n;
  }
  return out;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string AsciiLower(std::string_view text) {
  return MapSingleBytes(text, [](char c, size_t) { return Lower(c); });
}

std::string AsciiUpper(std::string_view text) {
  return MapSingleBytes(text, [](char c, size_t) { return Upper(c); });
}

std::string Capitalize(std::string_view text) {
  std::string lower = AsciiLower(text);
  return MapSingleBytes(lower, [&lower](char c, size_t i) { return i == 0 || lower[i - 1] == ' ' ? Upper(c) : c; });
}

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (begin < end && space(text[begin])) ++begin;
  while (end > begin && space(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace lizhi::tip
