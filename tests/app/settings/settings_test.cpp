#include "app/settings/settings.h"

#include <gtest/gtest.h>

#include "app/settings/program_directory.h"
#include "app/settings/stored_path.h"
#include "runtime/commands/files.h"

namespace lizhi {
namespace {

using app::DisplayMode;

TEST(Settings, MissingFileAndKeysReadTheirDefaults) {
  test::TempProgramDirectory dir;
  EXPECT_EQ(app::SettingsPath(), dir / "setup.ini");
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "title");
  EXPECT_EQ(app::ReadSetting(app::kRandKey), "t");
  EXPECT_EQ(app::ReadSetting(app::kTimeKey), "2");
  EXPECT_EQ(app::ReadSetting(app::kPlayKey), "f");
  EXPECT_EQ(app::ReadSetting(app::kMp3Key), "");
  EXPECT_EQ(app::ReadSetting(app::kAutorunKey), "");
  EXPECT_FALSE(rt::FileExists(app::SettingsPath().c_str()));  // reading creates nothing
}

TEST(Settings, AWriteIsReadBackAtOnce) {
  test::TempProgramDirectory dir;
  app::WriteSetting("time", "5");
  app::WriteSetting("show", "qipao");
  EXPECT_EQ(app::ReadSetting(app::kTimeKey), "5");
  EXPECT_EQ(app::ParseDisplayMode(app::ReadSetting(app::kShowKey)), DisplayMode::kBalloon);
  app::WriteSetting("time", "7");
  EXPECT_EQ(app::ReadSetting("time", "2"), "7");
}

TEST(Settings, ValuesCompareAsExactBytes) {
  EXPECT_EQ(app::ParseDisplayMode("Qipao"), DisplayMode::kTitleBar);
  EXPECT_EQ(app::ParseDisplayMode("MOUSE"), DisplayMode::kTitleBar);
  EXPECT_EQ(app::ParseDisplayMode("mouse"), DisplayMode::kMouseFollow);
  EXPECT_EQ(app::ParseDisplayMode("agent"), DisplayMode::kAgent);
  EXPECT_EQ(app::ParseDisplayMode(""), DisplayMode::kTitleBar);
  EXPECT_FALSE(app::IsRandomOrder("T"));  // sequential
  EXPECT_TRUE(app::IsRandomOrder("t"));
  EXPECT_FALSE(app::IsAutorunOn("t"));
  EXPECT_TRUE(app::IsAutorunOn("T"));
  EXPECT_FALSE(app::IsMusicOn("T"));
  for (DisplayMode m : {DisplayMode::kTitleBar, DisplayMode::kMouseFollow, DisplayMode::kBalloon, DisplayMode::kAgent})
    EXPECT_EQ(app::ParseDisplayMode(app::DisplayModeValue(m)), m);
}

TEST(Settings, ALongValueIsReadCut) {
  test::TempProgramDirectory dir;
  app::WriteSetting("file", std::string(10300, 'x'));
  EXPECT_EQ(app::ReadSetting("file", ""), std::string(10239, 'x'));
}

TEST(Settings, StoredPathJoinsTheProgramDirectoryCleanly) {
  EXPECT_EQ(app::JoinProgramDirectory("C:\\lz", "\\txt\\a.txt"), "C:\\lz\\txt\\a.txt");
  EXPECT_EQ(app::JoinProgramDirectory("C:\\lz", "txt\\a.txt"), "C:\\lz\\txt\\a.txt");
  EXPECT_EQ(app::JoinProgramDirectory("C:\\lz", "\\\\\\a"), "C:\\lz\\\\a");  // pairs, left to right
  // 乗 is 0x81 0x5C: its second byte is a backslash and stays.
  EXPECT_EQ(app::JoinProgramDirectory("C:\\\x81\x5C", "\\a"), "C:\\\x81\x5C\\a");
}

TEST(Settings, ARelativeValueResolvesInTheProgramDirectory) {
  test::TempProgramDirectory dir;
  rt::MakeDirectory((dir / "txt").c_str());
  std::string file = dir / "txt\\a.txt";
  uint8_t x = 'x';
  std::span<const uint8_t> piece(&x, 1);
  ASSERT_TRUE(rt::WriteWholeFile(file.c_str(), {&piece, 1}));
  EXPECT_EQ(app::ResolveStoredPath("\\txt\\a.txt"), file);
  // A value that exists as written is used as written.
  EXPECT_EQ(app::ResolveStoredPath(file), file);
  EXPECT_EQ(app::ResolveStoredPath("\\txt\\none.txt"), std::nullopt);
}

TEST(Settings, AChosenFileInsideTheProgramDirectoryIsStoredRelative) {
  EXPECT_EQ(app::StripProgramDirectory("C:\\Program Files\\lz", "C:\\PROGRAM FILES\\LZ\\TXT\\A.TXT"), "\\TXT\\A.TXT");
  EXPECT_EQ(app::StripProgramDirectory("C:\\lz", "D:\\t\\a.txt"), "D:\\t\\a.txt");
  EXPECT_EQ(app::StripProgramDirectory("C:\\lz", "C:"), "C:");
  // A neighbour whose name merely starts with the directory's is not inside it.
  EXPECT_EQ(app::StripProgramDirectory("D:\\lizhi", "D:\\lizhi2\\a.txt"), "D:\\lizhi2\\a.txt");
  EXPECT_EQ(app::StripProgramDirectory("D:\\lizhi", "D:\\LIZHI"), "D:\\LIZHI");
  // Only ASCII letters fold: 丄 (0x81 0x41) and 乤 (0x81 0x61) stay different.
  EXPECT_EQ(app::StripProgramDirectory("C:\\\x81\x41", "C:\\\x81\x61\\a.txt"), "C:\\\x81\x61\\a.txt");
  test::TempProgramDirectory dir;
  EXPECT_EQ(app::ToStoredPath(dir / "mp3\\m.mp3"), "\\mp3\\m.mp3");
}

}  // namespace
}  // namespace lizhi
