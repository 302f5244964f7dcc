// Reads tip markup as alternating text runs and tags. A line feed reads as a
// "br" tag and a tab as a "t" tag; a carriage return only ends a run.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lizhi::tip {

struct Attribute {
  std::string name;   // lower-cased
  std::string value;  // lower-cased, as the tag table reads it
  std::string raw;    // as written: link addresses keep their case
};

struct Token {
  enum class Kind { Text, Tag, End };
  Kind kind = Kind::End;
  std::string_view text;  // the run (Text)
  std::string name;       // lower-cased tag name (Tag)
  bool closing = false;
  std::vector<Attribute> attributes;

  const Attribute* Find(std::string_view attributeName) const;
  // The lower-cased value of the attribute, or empty.
  std::string_view Value(std::string_view attributeName) const;
};

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}
  // Fills token with the next piece; false at the end of the text.
  bool Next(Token& token);

 private:
  void ReadTag(std::string_view inner, Token& token);
  std::string_view text_;
  size_t pos_ = 0;
};

// Reads a value the way tag attributes and style declarations are read: a
// double-quoted value runs to its closing quote (none: empty), any other value
// to the next space or one of the extra stop characters. pos is advanced.
std::string_view ReadValue(std::string_view text, size_t& pos, std::string_view stops = "");

}  // namespace lizhi::tip
