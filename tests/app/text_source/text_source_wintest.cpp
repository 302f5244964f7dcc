#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings/program_directory.h"
#include "app/settings/settings.h"
#include "app/text_source/text_source.h"
#include "data/built_in_text.h"
#include "runtime/commands/files.h"
#include "runtime/commands/gbk_from_utf8.h"

namespace lizhi {
namespace {

std::string ReadBytes(const std::string& path) {
  rt::FileContents contents;
  if (!rt::ReadWholeFile(path.c_str(), 0, rt::AllocationFailure::kResult, contents) || !contents.data()) return {};
  return std::string(reinterpret_cast<const char*>(contents.data()), contents.size);
}

TEST(TextSourceWin, DefaultFileUnderItsChineseNameHoldsTheBuiltInText) {
  test::TempProgramDirectory dir;
  std::string path = app::ResolveTextPath();
  EXPECT_EQ(path, dir / ("txt\\" + test::Gbk("励志文本.txt")));
  EXPECT_EQ(ReadBytes(path), data::BuiltInText());
  // The name on disk is the Chinese one (code page 936).
  std::wstring wide = std::filesystem::path(dir.path()).wstring() + L"\\txt\\\u52B1\u5FD7\u6587\u672C.txt";
  EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);

  std::string edited = "mine\r\n";
  std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(edited.data()), edited.size());
  ASSERT_TRUE(rt::WriteWholeFile(path.c_str(), {&piece, 1}));
  EXPECT_EQ(app::ResolveTextPath(), path);
  EXPECT_EQ(ReadBytes(path), edited);

  app::TextSource source;
  app::LoadLines(source, path);
  EXPECT_EQ(app::NextLine(source), "mine");
  EXPECT_EQ(app::TextTitle(path), test::Gbk("励志文本"));
}

TEST(TextSourceWin, ALockedFileGivesThePlaceholder) {
  test::TempProgramDirectory dir;
  std::string path = dir / "locked.txt";
  HANDLE locked = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(locked, "a\r\nb", 4, &written, nullptr);
  app::TextSource source;
  app::LoadLines(source, path);
  EXPECT_EQ(app::NextLine(source), app::kPlaceholderLine);
  CloseHandle(locked);
  app::LoadLines(source, path);
  EXPECT_EQ(app::LineCount(source), 2u);
}

TEST(TextSourceWin, AFileBeyondTheAddressSpaceGivesThePlaceholder) {
  test::TempProgramDirectory dir;
  std::string path = dir / "huge.txt";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size;
  size.QuadPart = 1'900'000'000;  // sparse on the host; no 32-bit process can hold it in one block
  SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
  app::TextSource source;
  app::LoadLines(source, path);
  EXPECT_EQ(app::LineCount(source), 1u);
  EXPECT_EQ(app::LineAt(source, 0), app::kPlaceholderLine);
}

}  // namespace
}  // namespace lizhi
