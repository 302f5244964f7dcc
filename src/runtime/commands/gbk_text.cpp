#include "runtime/commands/gbk_text.h"

#include <limits>

namespace lizhi::rt {

namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }
char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Walks a text character by character.
class CharCursor {
 public:
  explicit CharCursor(std::string_view text) : text_(text) {}
  size_t pos() const { return pos_; }
  // False at the end, and at a lead byte that has nothing after it.
  bool AtChar() const { return pos_ < text_.size() && !(IsLeadByte(text_[pos_]) && pos_ + 1 >= text_.size()); }
  size_t CharSize() const { return IsLeadByte(text_[pos_]) ? 2 : 1; }
  void Next() { pos_ += CharSize(); }
  void Skip(size_t bytes) { pos_ += bytes; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// Whether `sought` occurs at `pos`. Ignoring case folds only single-byte
// letters: a double-byte character's second byte may look like a letter but
// must match exactly.
bool MatchesAt(std::string_view text, size_t pos, std::string_view sought, bool ignoreCase) {
  if (text.size() - pos < sought.size()) return false;
  if (!ignoreCase) return text.compare(pos, sought.size(), sought) == 0;
  for (size_t i = 0; i < sought.size(); ++i) {
    char s = sought[i], t = text[pos + i];
    if (IsLeadByte(s) && i + 1 < sought.size()) {
      if (s != t || sought[i + 1] != text[pos + i + 1]) return false;
      ++i;
    } else if (FoldCase(s) != FoldCase(t)) {
      return false;
    }
  }
  return true;
}

int32_t Position(size_t offset) { return static_cast<int32_t>(offset + 1); }

size_t StartOffset(int32_t start) { return start < 1 ? 0 : static_cast<size_t>(start) - 1; }

}  // namespace

std::string LeftText(std::string_view text, int32_t n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<size_t>(n)));
}

std::string RightText(std::string_view text, int32_t n) {
  if (n <= 0) return {};
  size_t take = std::min(text.size(), static_cast<size_t>(n));
  return std::string(text.substr(text.size() - take));
}

int32_t FindText(std::string_view text, std::string_view sought, int32_t start, bool ignoreCase) {
  size_t from = StartOffset(start);
  if (sought.empty()) return from < text.size() ? 1 : -1;
  for (CharCursor c(text); c.AtChar(); c.Next()) {
    if (c.pos() >= from && MatchesAt(text, c.pos(), sought, ignoreCase)) return Position(c.pos());
  }
  return -1;
}

int32_t FindTextReverse(std::string_view text, std::string_view sought, std::optional<int32_t> limit, bool ignoreCase) {
  if (sought.empty()) return -1;
  size_t window = text.size();
  if (limit) {
    if (*limit <= 1) return -1;
    window = std::min(window, static_cast<size_t>(*limit) - 1);
  }
  int32_t found = -1;
  for (CharCursor c(text); c.AtChar() && c.pos() + sought.size() <= window; c.Next()) {
    if (MatchesAt(text, c.pos(), sought, ignoreCase)) found = Position(c.pos());
  }
  return found;
}

std::string ToLowerCase(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(out[i])) {
      ++i;  // the second byte of a character is never a letter of its own
    } else {
      out[i] = FoldCase(out[i]);
    }
  }
  return out;
}

std::string ReplaceText(std::string_view text, std::string_view sought, std::string_view replacement,
                        const ReplaceOptions& options) {
  size_t from = StartOffset(options.start);
  if (text.empty() || sought.empty() || from >= text.size() || (options.count && *options.count == 0))
    return std::string(text);
  // A negative count never comes to an end, like no count at all.
  int64_t remaining = (options.count && *options.count > 0) ? *options.count : std::numeric_limits<int64_t>::max();
  std::string out;
  out.reserve(text.size());
  CharCursor c(text);
  size_t copied = 0;  // text[0, copied) is in `out` or replaced
  while (remaining > 0 && c.AtChar()) {
    if (c.pos() >= from && MatchesAt(text, c.pos(), sought, !options.caseSensitive)) {
      out.append(text.substr(copied, c.pos() - copied));
      out.append(replacement);
      c.Skip(sought.size());
      copied = c.pos();
      --remaining;
    } else {
      c.Next();
    }
  }
  out.append(text.substr(copied));
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view sought, std::string_view replacement) {
  ReplaceOptions exact;
  exact.caseSensitive = true;
  return ReplaceText(text, sought, replacement, exact);
}

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter, std::optional<int32_t> maximum) {
  std::vector<std::string> pieces;
  if (text.empty() || (maximum && *maximum <= 0)) return pieces;
  size_t limit = maximum ? static_cast<size_t>(*maximum) : std::numeric_limits<size_t>::max();
  if (delimiter.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  size_t pieceStart = 0;
  CharCursor c(text);
  while (c.AtChar()) {
    if (MatchesAt(text, c.pos(), delimiter, false)) {
      pieces.emplace_back(text.substr(pieceStart, c.pos() - pieceStart));
      if (pieces.size() >= limit) return pieces;
      c.Skip(delimiter.size());
      pieceStart = c.pos();
    } else {
      c.Next();
    }
  }
  if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

}  // namespace lizhi::rt
