// The text source: finds the text file (creating the default one when nothing
// usable is configured), holds its lines and hands out the next line, in file
// order or at random as the order key says on every call.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/text_source/file_stamp.h"
#include "app/text_source/text_lines.h"

namespace lizhi::app {

// 暂无内容,请先写内容: the one line of a text that has none.
inline constexpr char kPlaceholderLine[] = "\xD4\xDD\xCE\xDE\xC4\xDA\xC8\xDD,\xC7\xEB\xCF\xC8\xD0\xB4\xC4\xDA\xC8\xDD";

// The file system as loading sees it; tests put a fake in its place.
class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // Nothing for a missing file or one whose attributes cannot be read.
  virtual std::optional<FileStamp> Stamp(const std::string& path) = 0;
  // False for a missing, locked or unreadable file.
  virtual bool Read(const std::string& path, rt::FileContents& out) = 0;
};
TextFiles& DiskTextFiles();

struct TextSource {
  TextLines lines;             // after LoadLines: at least one line, none empty
  std::string currentLine;     // the line picked last; empty at start
  int32_t sequenceCursor = 0;  // 1-based line picked last in file order; 0 at start

  std::string path;                      // the file loaded last
  std::optional<FileStamp> loadedStamp;  // its stamp when it was read
  bool sawEmpty = false;                 // a change to an empty file was seen once
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
void LoadLines(TextSource& source, std::string_view path, TextFiles& files = DiskTextFiles());
// Loads the file again when its size or last-write time differs from what was
// loaded; true when the lines were replaced. A file being saved (locked, or
// empty for a moment) keeps the old lines; one still empty at the next check
// gives the placeholder. The file-order position stays, cut to the new count.
bool ReloadIfChanged(TextSource& source, TextFiles& files = DiskTextFiles());
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
