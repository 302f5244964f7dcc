#include "app/text_source/text_source.h"

#include "app/settings/settings.h"
#include "runtime/commands/random.h"

namespace lizhi::app {

namespace {
constexpr int32_t kRandRange = 32768;  // the runtime generator gives 0..32767
}

void LoadLines(TextSource& source, std::string_view path) {
  // The old lines go first, so a reload never holds two files at once.
  source.lines.Clear();
  rt::FileContents contents;
  std::string p(path);
  // A file too big for the memory left reads like an unreadable one.
  if (!rt::ReadWholeFile(p.c_str(), 0, rt::AllocationFailure::kResult, contents)) contents = rt::FileContents{};
  source.lines.Assign(std::move(contents));
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
