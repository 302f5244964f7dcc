#include "units/tip/rich_text/link_rules.h"

#include <gtest/gtest.h>

namespace lizhi::tip {
namespace {

TEST(RichTextLinks, OnlyWebAndMailAddressesOpen) {
  struct Case {
    const char* target;
    bool opens;
  } cases[] = {
      {"http://example.com/", true},
      {"HTTPS://Example.com/A", true},
      {"MailTo:me@example.com", true},
      {"http:", false},
      {"ftp://example.com", false},
      {"file:///c:/windows/calc.exe", false},
      {"c:\\windows\\calc.exe", false},
      {"\\\\server\\share\\x.exe", false},
      {"shell:startup", false},
      {"javascript:alert(1)", false},
      {" http://example.com", false},
      {"http://a\"b", false},
      {"http://a\tb", false},
      {"http://a\x7f", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsOpenableAddress(c.target), c.opens) << c.target;
}

TEST(RichTextLinks, BrowserCommandTakesTheTargetAsOneQuotedArgument) {
  EXPECT_EQ(BrowserCommandLine("\"C:\\b\\b.exe\" -url \"%1\"", "http://x/?a=1&b=2"),
            "\"C:\\b\\b.exe\" -url \"http://x/?a=1&b=2\"");
  EXPECT_EQ(BrowserCommandLine("C:\\b.exe %1 -new", "http://x y"), "C:\\b.exe \"http://x y\"");
  EXPECT_EQ(BrowserCommandLine("C:\\b.exe", "mailto:a@b"), "C:\\b.exe \"mailto:a@b\"");
}

TEST(RichTextLinks, ImagesComeOnlyFromLocalPaths) {
  struct Case {
    const char* path;
    bool local;
  } cases[] = {
      {"c:\\pics\\a.bmp", true},
      {"a.bmp", true},
      {"\\pics\\a.bmp", true},
      {"\\\\server\\s\\a.bmp", false},
      {"//server/s/a.bmp", false},
      {"\\\\?\\c:\\a.bmp", false},
      {"\\/server/a.bmp", false},
      {"http://x/a.bmp", false},
      {"file:c:/a.bmp", false},
      {"a.bmp:stream", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsLocalPath(c.path), c.local) << c.path;
}

}  // namespace
}  // namespace lizhi::tip
