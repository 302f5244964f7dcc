#include "runtime/commands/gbk_text.h"

#include <gtest/gtest.h>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"

namespace lizhi {
namespace {

using test::Gbk;
using test::Int;
using test::Text;

// 丄 is 0x81 0x41: its second byte is the letter "A". 乤 is 0x81 0x61 ("a").
// 你好 is C4 E3 BA C3: "\xE3\xBA" spans the two characters.
const std::string kUpA = "\x81\x41";
const std::string kLowA = "\x81\x61";

int32_t Find(const std::string& text, const std::string& sought, rt::TypedValue start = {},
             rt::TypedValue ignoreCase = {}) {
  return rt::IntOf(rt::CallCommand("FindText", {Text(text.c_str()), Text(sought.c_str()), start, ignoreCase}));
}

TEST(CommandsGbkText, MatchesNeverStartInASecondByte) {
  std::string nihao = Gbk("你好");
  EXPECT_EQ(Find(kUpA + "A", "A"), 3);
  EXPECT_EQ(Find(kUpA, "A"), -1);
  EXPECT_EQ(Find(nihao, "\xE3\xBA"), -1);
  EXPECT_EQ(rt::FindTextReverse("A" + kUpA, "A"), 1);
  EXPECT_EQ(rt::FindTextReverse(nihao, "\xE3\xBA"), -1);
  EXPECT_EQ(rt::ReplaceText(kUpA + "A", "A", "b"), kUpA + "b");
  EXPECT_EQ(rt::ReplaceText(nihao, "\xE3\xBA", "x"), nihao);
}

TEST(CommandsGbkText, ALeadByteBeforeTheEndStopsTheScan) {
  EXPECT_EQ(Find("ab\xB0", "\xB0"), -1);
  EXPECT_EQ(rt::ReplaceText("ab\xB0", "\xB0", "x"), "ab\xB0");
}

TEST(CommandsGbkText, IgnoringCaseFoldsOnlySingleByteLetters) {
  EXPECT_EQ(Find("xABC", "abc", {}, test::Bool(true)), 2);
  EXPECT_EQ(Find("xABC", "abc", {}, test::Bool(false)), -1);
  // 丄 and 乤 differ only in a second byte that looks like a letter.
  EXPECT_EQ(Find(kUpA, kLowA, {}, test::Bool(true)), -1);
  EXPECT_EQ(rt::ToLowerCase("AB" + kUpA + "C"), "ab" + kUpA + "c");
}

TEST(CommandsGbkText, FindTextStartAndEmptySought) {
  EXPECT_EQ(Find("abcabc", "abc", Int(2)), 4);
  EXPECT_EQ(Find("abcabc", "abc", Int(-5)), 1);
  EXPECT_EQ(Find("abc", "abc", Int(2)), -1);
  EXPECT_EQ(Find("abc", "", Int(3)), 1);
  EXPECT_EQ(Find("abc", "", Int(4)), -1);
  // A start inside a double-byte character searches from the next one.
  std::string text = Gbk("你好") + "x";
  EXPECT_EQ(Find(text, "x", Int(2)), 5);
  EXPECT_EQ(Find(text, Gbk("好"), Int(2)), 3);
}

TEST(CommandsGbkText, FindTextReverseStaysWithinTheLimit) {
  EXPECT_EQ(rt::FindTextReverse("abcabc", "abc"), 4);
  EXPECT_EQ(rt::FindTextReverse("abcabc", "abc", 7), 4);
  EXPECT_EQ(rt::FindTextReverse("abcabc", "abc", 6), 1);  // the second one ends at byte 6
  EXPECT_EQ(rt::FindTextReverse("abcabc", "abc", 1), -1);
  EXPECT_EQ(rt::FindTextReverse("abcabc", ""), -1);
  EXPECT_EQ(rt::FindTextReverse("xABC", "abc", {}, true), 2);
}

TEST(CommandsGbkText, ReplaceTextCountStartAndCase) {
  using O = rt::ReplaceOptions;
  EXPECT_EQ(rt::ReplaceText("a-a-a", "a", "b", O{1, 1, false}), "b-a-a");
  EXPECT_EQ(rt::ReplaceText("a-a-a", "a", "b", O{2, 1, false}), "a-b-a");
  EXPECT_EQ(rt::ReplaceText("a-a-a", "a", "b", O{9, {}, false}), "a-a-a");
  EXPECT_EQ(rt::ReplaceText("a-a-a", "a", "b", O{1, 0, false}), "a-a-a");
  EXPECT_EQ(rt::ReplaceText("aaaa", "aa", "a"), "aa");  // left to right, no overlap
  EXPECT_EQ(rt::ReplaceText("Aa", "a", "x"), "xx");     // no case flag: case is ignored
  EXPECT_EQ(rt::ReplaceText("Aa", "a", "x", O{1, {}, true}), "Ax");
  EXPECT_EQ(rt::ReplaceText("abc", "", "x"), "abc");
}

TEST(CommandsGbkText, ReplaceTextCommandDefaults) {
  EXPECT_EQ(test::TakeText(rt::CallCommand("ReplaceText", {Text("a,b,c"), Text(",")})), "abc");
  EXPECT_EQ(test::TakeText(rt::CallCommand("ReplaceText", {Text("a,b,c"), Text(","), Text(";"), Int(1), Int(1)})),
            "a;b,c");
  EXPECT_EQ(
      test::TakeText(rt::CallCommand("ReplaceText", {Text("Aa"), Text("a"), Text("x"), {}, {}, test::Bool(true)})),
      "Ax");
}

TEST(CommandsGbkText, SplitTextKeepsInnerEmptyPiecesAndDropsAnEmptyTail) {
  EXPECT_EQ(test::TakeTexts(rt::CallCommand("SplitText", {Text("a,,b,")})),
            (std::vector<std::string>{"a", "<null>", "b"}));
  EXPECT_EQ(test::TakeTexts(rt::CallCommand("SplitText", {Text("a,b,c"), Text(","), Int(2)})),
            (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(test::TakeTexts(rt::CallCommand("SplitText", {Text("")})).empty());
  EXPECT_TRUE(test::TakeTexts(rt::CallCommand("SplitText", {Text("a,b"), Text(","), Int(0)})).empty());
  EXPECT_EQ(test::TakeTexts(rt::CallCommand("SplitText", {Text("a,b"), Text("")})), (std::vector<std::string>{"a,b"}));
  EXPECT_EQ(rt::SplitText("x<>y<>", "<>"), (std::vector<std::string>{"x", "y"}));
}

TEST(CommandsGbkText, SplitTextNeverSplitsInsideACharacter) {
  // 亅 is 0x81 0x7C: its second byte is a vertical bar.
  std::string text = "\x81\x7C|b";
  EXPECT_EQ(rt::SplitText(text, "|"), (std::vector<std::string>{"\x81\x7C", "b"}));
}

TEST(CommandsGbkText, LeftRightAndLength) {
  EXPECT_EQ(test::TakeText(rt::CallCommand("LeftText", {Text("abcdef"), Int(2)})), "ab");
  EXPECT_EQ(test::TakeText(rt::CallCommand("LeftText", {Text("abc"), Int(10)})), "abc");
  EXPECT_EQ(test::TakeText(rt::CallCommand("LeftText", {Text("abc"), Int(-1)})), "");
  EXPECT_EQ(test::TakeText(rt::CallCommand("RightText", {Text("abcdef"), Int(2)})), "ef");
  EXPECT_EQ(test::TakeText(rt::CallCommand("RightText", {Text("abc"), Int(0)})), "");
  std::string chinese = Gbk("励志");
  EXPECT_EQ(rt::IntOf(rt::CallCommand("TextLength", {Text(chinese.c_str())})), 4);
}

}  // namespace
}  // namespace lizhi
