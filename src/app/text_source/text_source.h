// The text source: finds the text file (creating the default one when nothing
// usable is configured), holds its lines and hands out the next line, in file
// order or at random as the order key says on every call.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "app/text_source/text_lines.h"

namespace lizhi::app {

// 暂无内容,请先写内容: the one line of a text that has none.
inline constexpr char kPlaceholderLine[] = "\xD4\xDD\xCE\xDE\xC4\xDA\xC8\xDD,\xC7\xEB\xCF\xC8\xD0\xB4\xC4\xDA\xC8\xDD";

struct TextSource {
  TextLines lines;             // after LoadLines: at least one line, none empty
  std::string currentLine;     // the line picked last; empty at start
  int32_t sequenceCursor = 0;  // 1-based line picked last in file order; 0 at start
};

// Program directory + "\txt\励志文本.txt".
std::string DefaultTextPath();
// The configured "file" when it resolves to a file; otherwise the default file,
// written with the built-in text first when it is missing (an existing one is
// never rewritten).
std::string ResolveTextPath();

// Replaces the lines with those of the file; a missing, unreadable or empty
// file leaves the placeholder line alone. The current line and the cursor
// stay as they are.
void LoadLines(TextSource& source, std::string_view path);
// Picks the next line ("rand" = "t": at random, else the one after the last in
// file order, wrapping round), keeps a copy as the current line and returns it.
const std::string& NextLine(TextSource& source);
// The line at 0-based `index` (the placeholder when the list is empty).
std::string_view LineAt(const TextSource& source, size_t index);
size_t LineCount(const TextSource& source);

// The file's base name without its extension and without the order words
// 随机_, 随机, 顺序_, 顺序 (removed in that order).
std::string TextTitle(std::string_view path);

}  // namespace lizhi::app
