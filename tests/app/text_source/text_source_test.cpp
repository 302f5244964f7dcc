#include "app/text_source/text_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/settings/program_directory.h"
#include "app/settings/settings.h"
#include "data/built_in_text.h"
#include "runtime/commands/files.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "runtime/commands/random.h"

namespace lizhi {
namespace {

using test::Gbk;

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  ASSERT_TRUE(rt::WriteWholeFile(path.c_str(), {&piece, 1}));
}

std::string ReadBytes(const std::string& path) {
  rt::FileContents contents;
  if (!rt::ReadWholeFile(path.c_str(), 0, rt::AllocationFailure::kResult, contents) || !contents.data()) return {};
  return std::string(reinterpret_cast<const char*>(contents.data()), contents.size);
}

std::vector<std::string> Lines(const app::TextSource& source) {
  std::vector<std::string> out;
  for (size_t i = 0; i < app::LineCount(source); ++i) out.emplace_back(app::LineAt(source, i));
  return out;
}

std::vector<std::string> LinesOf(const test::TempProgramDirectory& dir, std::string_view bytes) {
  std::string path = dir / "t.txt";
  WriteBytes(path, bytes);
  app::TextSource source;
  app::LoadLines(source, path);
  return Lines(source);
}

// The 31 lines as written in the program's description, in UTF-8.
const char* const kBuiltInLines[] = {
    "我要努力工作",
    "天生我才必有用",
    "我是最强的",
    "我是最好的程序员",
    "休息是为了更好地工作",
    "抓住幸福,活在当下",
    "人生有低谷也有高潮",
    "人生追求的是快乐健康幸福",
    "人定胜天",
    "有困难就克服,不能逃避",
    "只有坚持,才能成功",
    "与天斗与人斗,其乐无穷",
    "让暴风雨来得更猛烈些吧",
    "失败是成功之母",
    "让人人都用上我们的软件",
    "科技创造世界",
    "少壮不努力,老大徒伤悲",
    "仁者无敌",
    "水至清而无鱼,人至贱而无敌",
    "知足者常乐",
    "公平 公开 公正",
    "民族 民权 民生",
    "自由 平等 博爱",
    "不经历风雨,怎么见彩虹",
    "阳光总在风雨后",
    "化劣势为优势",
    "天道酬勤",
    "机会是给有准备的人的",
    "厚积才能薄发",
    "搞研究的人一定要能静下心来搞",
    "加油!加油!加油!",
};

TEST(TextSource, BuiltInTextIsTheThirtyOneLinesInGbk) {
  std::string expected;
  for (const char* line : kBuiltInLines) expected += (expected.empty() ? "" : "\r\n") + Gbk(line);
  EXPECT_EQ(expected.size(), 564u);
  EXPECT_EQ(data::BuiltInText(), expected);
}

TEST(TextSource, FirstStartCreatesTheDefaultFileWithTheBuiltInText) {
  test::TempProgramDirectory dir;
  std::string path = app::ResolveTextPath();
  EXPECT_EQ(path, dir / ("txt\\" + Gbk("励志文本.txt")));
  EXPECT_EQ(path, app::DefaultTextPath());
  std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.size(), 564u);
  EXPECT_EQ(bytes, data::BuiltInText());
  EXPECT_EQ(app::ReadSetting("file", "none"), "none");  // the key is not written
}

TEST(TextSource, AnEditedDefaultFileIsNeverRewritten) {
  test::TempProgramDirectory dir;
  std::string path = app::ResolveTextPath();
  WriteBytes(path, "mine");
  EXPECT_EQ(app::ResolveTextPath(), path);
  EXPECT_EQ(ReadBytes(path), "mine");
  WriteBytes(path, "");
  app::ResolveTextPath();
  EXPECT_EQ(ReadBytes(path), "");
}

TEST(TextSource, TheConfiguredFileIsFoundRelativeToTheProgramDirectory) {
  test::TempProgramDirectory dir;
  rt::MakeDirectory((dir / "txt").c_str());
  WriteBytes(dir / "txt\\poems.txt", "a");
  app::WriteSetting("file", "\\txt\\poems.txt");
  EXPECT_EQ(app::ResolveTextPath(), dir / "txt\\poems.txt");
  EXPECT_FALSE(rt::FileExists(app::DefaultTextPath().c_str()));
}

TEST(TextSource, AMissingConfiguredFileFallsBackToTheDefault) {
  test::TempProgramDirectory dir;
  app::WriteSetting("file", "\\txt\\gone.txt");
  EXPECT_EQ(app::ResolveTextPath(), app::DefaultTextPath());
  EXPECT_EQ(app::ReadSetting("file", ""), "\\txt\\gone.txt");
}

TEST(TextSource, AFolderOrEmptyValueFallsBackToTheDefault) {
  test::TempProgramDirectory dir;
  app::WriteSetting("file", "");  // would name the program directory itself
  EXPECT_EQ(app::ResolveTextPath(), app::DefaultTextPath());
  app::WriteSetting("file", "\\txt");
  EXPECT_EQ(app::ResolveTextPath(), app::DefaultTextPath());
}

TEST(TextSource, EmptyLinesGoAndBlankLinesStay) {
  test::TempProgramDirectory dir;
  EXPECT_EQ(LinesOf(dir, "a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(LinesOf(dir, "  \r\nx"), (std::vector<std::string>{"  ", "x"}));
}

TEST(TextSource, AZeroByteEndsTheText) {
  test::TempProgramDirectory dir;
  EXPECT_EQ(LinesOf(dir, std::string("a\r\nb\0c\r\nd", 9)), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(LinesOf(dir, std::string("\0abc", 4)), (std::vector<std::string>{app::kPlaceholderLine}));
}

TEST(TextSource, NothingToShowGivesThePlaceholder) {
  test::TempProgramDirectory dir;
  const std::vector<std::string> placeholder{app::kPlaceholderLine};
  EXPECT_EQ(std::string(app::kPlaceholderLine), Gbk("暂无内容,请先写内容"));
  EXPECT_EQ(LinesOf(dir, ""), placeholder);
  EXPECT_EQ(LinesOf(dir, "\r\n\r\n\r\n"), placeholder);
  app::TextSource source;
  app::LoadLines(source, dir / "missing.txt");
  EXPECT_EQ(Lines(source), placeholder);
  app::LoadLines(source, dir.path());  // a folder
  EXPECT_EQ(Lines(source), placeholder);
}

TEST(TextSource, AFileTooLargeToHoldGivesThePlaceholder) {
  test::TempProgramDirectory dir;
  std::string path = dir / "huge.txt";
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  { std::ofstream create(native, std::ios::binary); }
  std::filesystem::resize_file(native, 2'600'000'000ull);  // sparse: no disk space used
  app::TextSource source;
  app::LoadLines(source, path);
  EXPECT_EQ(Lines(source), (std::vector<std::string>{app::kPlaceholderLine}));
}

TEST(TextSource, BinaryGarbageGivesLinesWithoutCrashing) {
  test::TempProgramDirectory dir;
  std::string garbage;
  uint32_t x = 12345;
  for (int i = 0; i < 100000; ++i) {
    x = x * 1103515245 + 12345;
    garbage += static_cast<char>((x >> 16) | 1);  // no zero byte
    if (i % 97 == 0) garbage += "\r\n";
  }
  std::vector<std::string> lines = LinesOf(dir, garbage);
  EXPECT_GT(lines.size(), 1000u);
  for (const auto& line : lines) EXPECT_FALSE(line.empty());
}

TEST(TextSource, SequentialOrderWrapsRound) {
  test::TempProgramDirectory dir;
  app::WriteSetting("rand", "f");
  WriteBytes(dir / "t.txt", "1\r\n2\r\n3");
  app::TextSource source;
  app::LoadLines(source, dir / "t.txt");
  std::vector<std::string> shown;
  for (int i = 0; i < 5; ++i) shown.push_back(app::NextLine(source));
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3", "1", "2"}));
  EXPECT_EQ(source.currentLine, "2");
  EXPECT_EQ(source.sequenceCursor, 2);
}

TEST(TextSource, TheOrderIsReadOnEveryCall) {
  test::TempProgramDirectory dir;
  WriteBytes(dir / "t.txt", "1\r\n2\r\n3");
  app::TextSource source;
  app::LoadLines(source, dir / "t.txt");
  app::WriteSetting("rand", "T");  // not "t": sequential
  EXPECT_EQ(app::NextLine(source), "1");
  app::WriteSetting("rand", "t");
  rt::SeedRandom(1);
  app::NextLine(source);
  EXPECT_EQ(source.sequenceCursor, 1);  // random picks leave the cursor
  app::WriteSetting("rand", "f");
  EXPECT_EQ(app::NextLine(source), "2");  // resumes after the last sequential line
}

TEST(TextSource, RandomOrderWithOneLineShowsItEveryTime) {
  test::TempProgramDirectory dir;
  WriteBytes(dir / "t.txt", "only\r\n");
  app::TextSource source;
  app::LoadLines(source, dir / "t.txt");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(app::NextLine(source), "only");
}

TEST(TextSource, RandomOrderReachesEveryLineOfALongFile) {
  test::TempProgramDirectory dir;
  std::string text;
  const int kLines = 100000;
  for (int i = 1; i <= kLines; ++i) text += std::to_string(i) + "\r\n";
  WriteBytes(dir / "t.txt", text);
  app::TextSource source;
  app::LoadLines(source, dir / "t.txt");
  ASSERT_EQ(app::LineCount(source), static_cast<size_t>(kLines));
  rt::SeedRandom(3);
  int beyondOneDraw = 0;
  for (int i = 0; i < 2000; ++i) {
    int n = std::stoi(app::NextLine(source));
    ASSERT_GE(n, 1);
    ASSERT_LE(n, kLines);
    if (n > 32768) ++beyondOneDraw;
  }
  EXPECT_GT(beyondOneDraw, 0);
}

TEST(TextSource, TheCursorSurvivesAReloadAndWrapsAtOnce) {
  test::TempProgramDirectory dir;
  app::WriteSetting("rand", "f");
  WriteBytes(dir / "long.txt", "1\r\n2\r\n3\r\n4");
  WriteBytes(dir / "short.txt", "a\r\nb");
  app::TextSource source;
  app::LoadLines(source, dir / "long.txt");
  for (int i = 0; i < 3; ++i) app::NextLine(source);
  app::LoadLines(source, dir / "short.txt");
  EXPECT_EQ(source.currentLine, "3");  // loading keeps the current line
  EXPECT_EQ(app::NextLine(source), "a");
}

TEST(TextSource, TitlesDropFolderExtensionAndOrderWords) {
  EXPECT_EQ(app::TextTitle("C:\\lz\\txt\\" + Gbk("随机_古文.txt")), Gbk("古文"));
  EXPECT_EQ(app::TextTitle(Gbk("顺序播放.txt")), Gbk("播放"));
  EXPECT_EQ(app::TextTitle("C:\\lz\\txt\\.txt"), "");
  EXPECT_EQ(app::TextTitle("a.b.txt"), "a.b");
  EXPECT_EQ(app::TextTitle("C:\\lz\\txt\\" + Gbk("励志文本.txt")), Gbk("励志文本"));
  EXPECT_EQ(app::TextTitle("C:\\a.dir\\noext"), "noext");
  EXPECT_EQ(app::TextTitle(Gbk("随机顺序_诗.txt")), Gbk("诗"));
  // 乗 (0x81 0x5C) ends in a backslash byte that is not a separator.
  EXPECT_EQ(app::TextTitle("C:\\\x81\x5C.txt"), "\x81\x5C");
}

}  // namespace
}  // namespace lizhi
