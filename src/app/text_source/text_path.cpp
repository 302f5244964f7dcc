#include <string>

#include "app/settings/settings.h"
#include "app/settings/stored_path.h"
#include "app/text_source/text_source.h"
#include "data/built_in_text.h"
#include "runtime/base/runtime_state.h"
#include "runtime/commands/files.h"

namespace lizhi::app {

namespace {
constexpr char kTextFolder[] = "\\txt\\";
constexpr char kDefaultTextName[] = "\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE.txt";  // 励志文本.txt
}  // namespace

std::string DefaultTextPath() { return rt::Runtime().programDirectory + kTextFolder + kDefaultTextName; }

std::string ResolveTextPath() {
  std::string fallback = DefaultTextPath();
  std::string configured = ReadSetting(kFileKey, fallback);
  // A value that names a folder (an empty one names the program directory) is
  // no text file: the default stands in for it.
  if (auto resolved = ResolveStoredPath(configured); resolved && rt::IsExistingFile(resolved->c_str()))
    return *resolved;
  if (!rt::FileExists(fallback.c_str())) {
    rt::MakeDirectory((rt::Runtime().programDirectory + kTextFolder).c_str());
    std::string_view text = data::BuiltInText();
    std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    rt::WriteWholeFile(fallback.c_str(), {&piece, 1});
  }
  return fallback;
}

}  // namespace lizhi::app
