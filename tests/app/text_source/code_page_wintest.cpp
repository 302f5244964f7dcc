#include <gtest/gtest.h>

#include <string>

#include "app/text_source/text_encoding.h"
#include "runtime/commands/gbk_from_utf8.h"

namespace lizhi::app {
namespace {

std::string ToCodePage(std::u16string_view text) {
  std::string out(text.size() * 3, '\0');
  out.resize(Utf16ToCodePage(text, out.data()));
  return out;
}

TEST(CodePageWin, UnicodeBecomesGbkAndWhatGbkLacksAQuestionMark) {
  EXPECT_EQ(ToCodePage(u"你好世界"), test::Gbk("你好世界"));
  EXPECT_EQ(ToCodePage(u"你好世界").size(), 8u);
  // À has no GBK form; a best-fit look-alike ("A") would hide that.
  EXPECT_EQ(ToCodePage(u"x\u00C0y"), "x?y");
  EXPECT_EQ(ToCodePage(u"a\U0001F600b"), "a?b");
}

}  // namespace
}  // namespace lizhi::app
