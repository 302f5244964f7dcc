#include "units/tip/rich_text/markup.h"

#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

bool IsWordChar(char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '.'; }

// Skips to the next word character, stepping over GBK pairs whole.
void SkipToWord(std::string_view text, size_t& pos, bool stopAtEquals) {
  while (pos < text.size() && !IsWordChar(text[pos]) && !(stopAtEquals && text[pos] == '=')) {
    pos += CharLength(text, pos);
  }
}

std::string_view ReadWord(std::string_view text, size_t& pos) {
  size_t begin = pos;
  while (pos < text.size() && IsWordChar(text[pos])) ++pos;
  return text.substr(begin, pos - begin);
}

void SkipSpaces(std::string_view text, size_t& pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n')) ++pos;
}

}  // namespace

const Attribute* Token::Find(std::string_view attributeName) const {
  for (const Attribute& a : attributes) {
    if (a.name == attributeName) return &a;
  }
  return nullptr;
}

std::string_view Token::Value(std::string_view attributeName) const {
  const Attribute* a = Find(attributeName);
  return a ? std::string_view(a->value) : std::string_view();
}

std::string_view ReadValue(std::string_view text, size_t& pos, std::string_view stops) {
  if (pos < text.size() && text[pos] == '"') {
    size_t close = text.find('"', pos + 1);
    if (close == std::string_view::npos) {
      pos = text.size();
      return {};
    }
    std::string_view value = text.substr(pos + 1, close - pos - 1);
    pos = close + 1;
    return value;
  }
  size_t begin = pos;
  while (pos < text.size() && text[pos] != ' ' && stops.find(text[pos]) == std::string_view::npos) {
    pos += CharLength(text, pos);
  }
  if (pos > text.size()) pos = text.size();
  return text.substr(begin, pos - begin);
}

bool Tokenizer::Next(Token& token) {
  token.attributes.clear();
  token.name.clear();
  token.closing = false;
  token.text = {};
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c == '\r') {
      ++pos_;
      continue;
    }
    if (c == '\n' || c == '\t') {
      ++pos_;
      token.kind = Token::Kind::Tag;
      token.name = c == '\n' ? "br" : "t";
      return true;
    }
    if (c == '<') {
      size_t close = text_.find('>', pos_ + 1);
      size_t end = close == std::string_view::npos ? text_.size() : close;
      ReadTag(text_.substr(pos_ + 1, end - pos_ - 1), token);
      pos_ = close == std::string_view::npos ? text_.size() : close + 1;
      if (token.name.empty()) continue;  // "<>" or a tag of punctuation only
      token.kind = Token::Kind::Tag;
      return true;
    }
    size_t begin = pos_;
    while (pos_ < text_.size()) {
      char d = text_[pos_];
      if (d == '<' || d == '\n' || d == '\r' || d == '\t') break;
      pos_ += CharLength(text_, pos_);
    }
    if (pos_ > text_.size()) pos_ = text_.size();
    token.kind = Token::Kind::Text;
    token.text = text_.substr(begin, pos_ - begin);
    return true;
  }
  token.kind = Token::Kind::End;
  return false;
}

void Tokenizer::ReadTag(std::string_view inner, Token& token) {
  // The whole tag is read lower-cased; the raw text is kept beside it (same
  // byte positions) for the values whose case matters.
  std::string lower = AsciiLower(inner);
  std::string_view text(lower);
  size_t pos = 0;
  SkipSpaces(text, pos);
  if (pos < text.size() && text[pos] == '/') token.closing = true;
  SkipToWord(text, pos, false);
  token.name = std::string(ReadWord(text, pos));
  while (pos < text.size()) {
    SkipToWord(text, pos, false);
    if (pos >= text.size()) break;
    Attribute attribute;
    attribute.name = std::string(ReadWord(text, pos));
    SkipSpaces(text, pos);
    if (pos < text.size() && text[pos] == '=') {
      ++pos;
      SkipSpaces(text, pos);
      size_t begin = pos;
      std::string_view value = ReadValue(text, pos);
      attribute.value = std::string(value);
      size_t offset = value.empty() ? begin : static_cast<size_t>(value.data() - text.data());
      attribute.raw = std::string(inner.substr(offset, value.size()));
    }
    token.attributes.push_back(std::move(attribute));
  }
}

}  // namespace lizhi::tip
