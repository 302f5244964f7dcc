#include <string>

#include "app/text_source/text_source.h"
#include "runtime/commands/gbk_text.h"

namespace lizhi::app {

namespace {
// Order words in the order they are taken out.
constexpr const char* kOrderWords[] = {
    "\xCB\xE6\xBB\xFA_",  // 随机_
    "\xCB\xE6\xBB\xFA",   // 随机
    "\xCB\xB3\xD0\xF2_",  // 顺序_
    "\xCB\xB3\xD0\xF2",   // 顺序
};
}  // namespace

std::string TextTitle(std::string_view path) {
  // The searches step over double-byte characters: 0x5C may be a second byte.
  int32_t slash = rt::FindTextReverse(path, "\\");
  std::string_view name = slash > 0 ? path.substr(static_cast<size_t>(slash)) : path;
  int32_t dot = rt::FindTextReverse(name, ".");
  std::string base(dot > 0 ? name.substr(0, static_cast<size_t>(dot) - 1) : name);
  for (const char* word : kOrderWords) base = rt::ReplaceAll(base, word, "");
  return base;
}

}  // namespace lizhi::app
