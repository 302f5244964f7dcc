#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <thread>

#include "app/settings/program_directory.h"
#include "app/settings/settings.h"
#include "app/settings/stored_path.h"
#include "runtime/base/win_handles.h"
#include "runtime/commands/files.h"

namespace lizhi {
namespace {

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  ASSERT_TRUE(rt::WriteWholeFile(path.c_str(), {&piece, 1}));
}

std::string ReadBytes(const std::string& path) {
  rt::FileContents contents;
  if (!rt::ReadWholeFile(path.c_str(), 0, rt::AllocationFailure::kResult, contents) || !contents.data()) return {};
  return std::string(reinterpret_cast<const char*>(contents.data()), contents.size);
}

std::string Garbage(size_t n, bool withZeros) {
  std::string bytes;
  uint32_t x = 99;
  for (size_t i = 0; i < n; ++i) {
    x = x * 1103515245 + 12345;
    char c = static_cast<char>(x >> 16);
    if (!withZeros && c == 0) c = 1;
    bytes += c;
  }
  return bytes;
}

void ExpectAllDefaults() {
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "title");
  EXPECT_EQ(app::ReadSetting(app::kRandKey), "t");
  EXPECT_EQ(app::ReadSetting(app::kTimeKey), "2");
  EXPECT_EQ(app::ReadSetting(app::kPlayKey), "f");
  EXPECT_EQ(app::ReadSetting(app::kMp3Key), "");
  EXPECT_EQ(app::ReadSetting(app::kAutorunKey), "");
  EXPECT_EQ(app::ReadSetting("file", "d"), "d");
}

// Writes one key, then checks that the platform reads it back, every other
// key still reads its default, and the old bytes are all still there.
void WriteOneKeyAndCheck(const std::string& before) {
  WriteBytes(app::SettingsPath(), before);
  ExpectAllDefaults();
  app::WriteSetting("show", "mouse");
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "mouse");
  EXPECT_EQ(app::ReadSetting(app::kRandKey), "t");
  EXPECT_EQ(app::ReadSetting(app::kTimeKey), "2");
  std::string after = ReadBytes(app::SettingsPath());
  ASSERT_GE(after.size(), before.size());
  EXPECT_EQ(after.compare(0, before.size(), before), 0);
}

TEST(SettingsWin, PlainTextIsReadAsDefaultsAndKeptOnWrite) {
  test::TempProgramDirectory dir;
  WriteOneKeyAndCheck("This is not an INI file.\r\nJust words = and signs ]\r\nshow=agent\r\n");
}

TEST(SettingsWin, BinaryGarbageIsReadAsDefaultsAndKeptOnWrite) {
  test::TempProgramDirectory dir;
  WriteOneKeyAndCheck(Garbage(4000, true));
}

TEST(SettingsWin, GarbageWithoutZeroBytesIsKeptToo) {
  test::TempProgramDirectory dir;
  WriteOneKeyAndCheck(Garbage(20000, false));
}

TEST(SettingsWin, QuickSuccessiveWritesAreAllSeen) {
  test::TempProgramDirectory dir;
  // The platform reader caches a file by its last-write time; writes within
  // one tick of the file system clock must still be read anew.
  for (int i = 0; i < 30; ++i) {
    std::string value = std::to_string(i);
    app::WriteSetting("time", value);
    ASSERT_EQ(app::ReadSetting(app::kTimeKey), value);
  }
}

TEST(SettingsWin, AChoiceMadeWhileAnotherProgramReadsTheFileIsStoredWhenItLetsGo) {
  test::TempProgramDirectory dir;
  app::WriteSetting("show", "mouse");
  // Opened as the platform's INI reader opens it: no sharing for delete, so the
  // new file cannot take the old one's place meanwhile.
  win::Handle reader(CreateFileA(app::SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(reader);
  std::thread letGo([&] {
    Sleep(60);
    reader.reset();
  });
  app::WriteSetting("MP3", "\\mp3\\song.mp3");
  letGo.join();
  EXPECT_EQ(app::ReadSetting(app::kMp3Key), "\\mp3\\song.mp3");
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "mouse");
}

TEST(SettingsWin, AHardLinkedFileKeepsItsOtherName) {
  test::TempProgramDirectory dir;
  // Scoop's persist: the program's setup.ini is a hard link to a file that
  // outlives updates, and every write must reach that file too.
  const std::string kept = dir / "kept.ini";
  WriteBytes(kept, "");
  ASSERT_TRUE(CreateHardLinkA(app::SettingsPath().c_str(), kept.c_str(), nullptr));
  app::WriteSetting("show", "qipao");
  app::WriteSetting("rand", "f");
  EXPECT_EQ(ReadBytes(kept), "[lz]\r\nshow=qipao\r\nrand=f\r\n");
  EXPECT_EQ(app::ReadSetting(app::kRandKey), "f");
  EXPECT_FALSE(rt::FileExists((app::SettingsPath() + "~").c_str()));
}

TEST(SettingsWin, WrittenFileIsAPlainIniFile) {
  test::TempProgramDirectory dir;
  app::WriteSetting("show", "qipao");
  app::WriteSetting("rand", "f");
  app::WriteSetting("show", "agent");
  EXPECT_EQ(ReadBytes(app::SettingsPath()), "[lz]\r\nshow=agent\r\nrand=f\r\n");
  char value[64] = {};
  GetPrivateProfileStringA("lz", "rand", "", value, sizeof value, app::SettingsPath().c_str());
  EXPECT_STREQ(value, "f");
}

TEST(SettingsWin, StoredPathsFollowTheProgramDirectory) {
  test::TempProgramDirectory dir;
  CreateDirectoryA((dir / "txt").c_str(), nullptr);
  std::string file = dir / "txt\\a.txt";
  WriteBytes(file, "a");
  // "\txt\a.txt" as written names the root of the current drive, where there is none.
  EXPECT_EQ(app::ResolveStoredPath("\\txt\\a.txt"), file);
  EXPECT_EQ(app::ResolveStoredPath(file), file);  // an existing full path is used as written
  std::string upper = file;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(app::ToStoredPath(upper), "\\TXT\\A.TXT");
  EXPECT_EQ(app::ToStoredPath("D:\\t\\a.txt"), "D:\\t\\a.txt");
}

TEST(SettingsWin, AUnicodeFileStaysUnicode) {
  test::TempProgramDirectory dir;
  const wchar_t text[] = L"\uFEFF[lz]\r\nshow=mouse\r\n";
  WriteBytes(app::SettingsPath(), std::string_view(reinterpret_cast<const char*>(text), sizeof text - sizeof(wchar_t)));
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "mouse");
  app::WriteSetting("rand", "f");
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "mouse");
  EXPECT_EQ(app::ReadSetting(app::kRandKey), "f");
  std::string after = ReadBytes(app::SettingsPath());
  EXPECT_EQ(after.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(after.size() % 2, 0u);
}

TEST(SettingsWin, ALongValueIsReadCut) {
  test::TempProgramDirectory dir;
  app::WriteSetting("file", std::string(12000, 'x'));
  EXPECT_EQ(app::ReadSetting("file", ""), std::string(10239, 'x'));
}

}  // namespace
}  // namespace lizhi
