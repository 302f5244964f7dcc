#include "app/text_source/text_source.h"

#include "app/settings/settings.h"
#include "runtime/commands/random.h"

namespace lizhi::app {

namespace {
constexpr int32_t kRandRange = 32768;  // the runtime generator gives 0..32767
}

namespace {

class DiskFiles final : public TextFiles {
 public:
  std::optional<FileStamp> Stamp(const std::string& path) override { return StampOfFile(path); }
  bool Read(const std::string& path, rt::FileContents& out) override {
    // A file too big for the memory left reads like an unreadable one.
    return rt::ReadWholeFile(path.c_str(), 0, rt::AllocationFailure::kResult, out);
  }
};

}  // namespace

TextFiles& DiskTextFiles() {
  static DiskFiles files;
  return files;
}

void LoadLines(TextSource& source, std::string_view path, TextFiles& files) {
  // The old lines go first, so a load never holds two files at once.
  source.lines.Clear();
  source.path.assign(path);
  source.sawEmpty = false;
  // The stamp before the read: a write in between shows as a change later.
  source.loadedStamp = files.Stamp(source.path);
  rt::FileContents contents;
  if (!files.Read(source.path, contents)) contents = rt::FileContents{};
  source.lines.Assign(std::move(contents));
}

bool ReloadIfChanged(TextSource& source, TextFiles& files) {
  if (source.path.empty()) return false;
  std::optional<FileStamp> seen = files.Stamp(source.path);
  // Gone or unreachable for now: keep what is shown.
  if (!seen || seen == source.loadedStamp) return false;
  if (seen->size == 0 && !source.sawEmpty) {
    source.sawEmpty = true;  // perhaps an editor between truncating and writing
    return false;
  }
  rt::FileContents contents;
  if (!files.Read(source.path, contents)) return false;  // locked: try again next time
  TextLines fresh;
  if (!fresh.Assign(std::move(contents))) return false;
  source.lines = std::move(fresh);
  source.loadedStamp = seen;
  source.sawEmpty = false;
  auto count = static_cast<int32_t>(std::min<size_t>(LineCount(source), 0x7FFFFFFF));
  if (source.sequenceCursor > count) source.sequenceCursor = count;
  return true;
}

size_t LineCount(const TextSource& source) { return source.lines.empty() ? 1 : source.lines.size(); }

std::string_view LineAt(const TextSource& source, size_t index) {
  if (source.lines.empty()) return kPlaceholderLine;
  return source.lines[index];
}

const std::string& NextLine(TextSource& source) {
  size_t n = LineCount(source);
  auto count = static_cast<int32_t>(std::min<size_t>(n, 0x7FFFFFFF));
  int32_t i;
  if (IsRandomOrder(ReadSetting(kRandKey))) {
    if (count <= kRandRange) {
      i = rt::RandomNumber(1, count);
    } else {
      // One draw reaches only 32768 lines; two together cover any file.
      int64_t wide = static_cast<int64_t>(rt::NextRandom()) * kRandRange + rt::NextRandom();
      i = static_cast<int32_t>(wide % count) + 1;
    }
  } else {
    int32_t& cursor = source.sequenceCursor;
    cursor = (cursor >= 0 && cursor < count) ? cursor + 1 : 1;
    i = cursor;
  }
  source.currentLine.assign(LineAt(source, static_cast<size_t>(i) - 1));
  return source.currentLine;
}

}  // namespace lizhi::app
