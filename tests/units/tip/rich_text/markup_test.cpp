#include "units/tip/rich_text/markup.h"

#include <gtest/gtest.h>

#include "units/tip/rich_text/text_runs.h"

namespace lizhi::tip {
namespace {

std::vector<std::string> Describe(std::string_view text) {
  std::vector<std::string> out;
  Tokenizer tokens(text);
  Token t;
  while (tokens.Next(t)) {
    if (t.kind == Token::Kind::Text) {
      out.push_back("'" + std::string(t.text) + "'");
      continue;
    }
    std::string d = (t.closing ? "</" : "<") + t.name;
    for (const Attribute& a : t.attributes) d += " " + a.name + "=" + a.value + "|" + a.raw;
    out.push_back(d + ">");
  }
  return out;
}

TEST(RichTextMarkup, TokensRunsTagsAndAttributeValues) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Describe("a\tb\r\nc"), (V{"'a'", "<t>", "'b'", "<br>", "'c'"}));
  EXPECT_EQ(Describe("<A HREF=\"Http://X.com/Y Z\" msg=Hi>go</A >"),
            (V{"<a href=http://x.com/y z|Http://X.com/Y Z msg=hi|Hi>", "'go'", "</a>"}));
  EXPECT_EQ(Describe("<br 3><t count=2>"), (V{"<br 3=|>", "<t count=2|2>"}));
  EXPECT_EQ(Describe("<font face=\"open>x"), (V{"<font face=|>", "'x'"}));
  EXPECT_EQ(Describe("<>a<#!>b<i"), (V{"'a'", "'b'", "<i>"}));
  // A GBK trail byte that is an ASCII capital is part of its character, not a letter.
  EXPECT_EQ(Describe("<font face=\x81\x41X>\x81\x41"), (V{"<font face=\x81\x41x|\x81\x41X>", "'\x81\x41'"}));
}

TEST(RichTextMarkup, EntitiesAreReplacedInOrderAfterTheTransform) {
  struct Case {
    const char* in;
    Transform transform;
    const char* out;
  } cases[] = {
      {"&lt;&gt;&amp;&quot;", Transform::None, "<>&\""},
      {"&amp;lt;", Transform::None, "&lt;"},  // the escaped ampersand stays escaped
      {"&reg;&copy;&trade;&emsp;", Transform::None, "\xAE\xA9\x99\xA1\xA1"},
      {"a&nbsp;b&ensp;c&unknown;", Transform::None, "a b c&unknown;"},
      {"hELLO wORLD", Transform::Capitalize, "Hello World"},
      {"Mixed \x81\x61z", Transform::Uppercase, "MIXED \x81\x61Z"},
      {"MIXED \x81\x41Z", Transform::Lowercase, "mixed \x81\x41z"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrepareRun(c.in, c.transform), c.out) << c.in;
}

}  // namespace
}  // namespace lizhi::tip
