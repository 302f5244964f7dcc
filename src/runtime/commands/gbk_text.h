// Text commands on GBK byte strings. Positions are 1-based and count bytes.
// Searches step over double-byte characters (a byte of 0x80 or above starts
// one), so a match never starts in a character's second byte; a lead byte with
// nothing after it ends the scan.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lizhi::rt {

std::string LeftText(std::string_view text, int32_t n);
std::string RightText(std::string_view text, int32_t n);

// Position of the first occurrence at or after `start`, or -1.
int32_t FindText(std::string_view text, std::string_view sought, int32_t start = 1, bool ignoreCase = false);
// Position of the last occurrence lying within the first (limit - 1) bytes
// (the whole text without a limit), or -1.
int32_t FindTextReverse(std::string_view text, std::string_view sought, std::optional<int32_t> limit = {},
                        bool ignoreCase = false);

std::string ToLowerCase(std::string_view text);

struct ReplaceOptions {
  int32_t start = 1;
  std::optional<int32_t> count;  // none: every occurrence
  bool caseSensitive = false;
};
std::string ReplaceText(std::string_view text, std::string_view sought, std::string_view replacement,
                        const ReplaceOptions& options = {});
// Every occurrence, compared exactly.
std::string ReplaceAll(std::string_view text, std::string_view sought, std::string_view replacement);

// Pieces between delimiters; an empty piece between two delimiters is kept, the
// piece after the last delimiter only when it is not empty.
std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter = ",",
                                   std::optional<int32_t> maximum = {});

}  // namespace lizhi::rt
