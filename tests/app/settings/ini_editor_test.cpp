#include "app/settings/ini_editor.h"

#include <gtest/gtest.h>

#include "app/settings/program_directory.h"
#include "app/settings/settings.h"
#include "runtime/commands/files.h"

namespace lizhi {
namespace {

using app::SetIniValue;

TEST(SettingsIniEditor, AddsTheSectionToAnEmptyOrForeignFile) {
  EXPECT_EQ(SetIniValue("", "lz", "show", "mouse"), "[lz]\r\nshow=mouse\r\n");
  EXPECT_EQ(SetIniValue("notes", "lz", "show", "mouse"), "notes\r\n[lz]\r\nshow=mouse\r\n");
  EXPECT_EQ(SetIniValue("[other]\r\nshow=x\r\n", "lz", "show", "mouse"), "[other]\r\nshow=x\r\n[lz]\r\nshow=mouse\r\n");
}

TEST(SettingsIniEditor, ReplacesOnlyTheKeysLine) {
  EXPECT_EQ(SetIniValue("[lz]\r\nshow=title\r\nrand=t\r\n", "lz", "show", "agent"), "[lz]\r\nshow=agent\r\nrand=t\r\n");
  EXPECT_EQ(SetIniValue("[LZ]\r\n  Show = title\r\n", "lz", "show", "agent"), "[LZ]\r\nshow=agent\r\n");
  EXPECT_EQ(SetIniValue("[lz]\nshow=title\nx", "lz", "show", "qipao"), "[lz]\nshow=qipao\nx");
  EXPECT_EQ(SetIniValue("[lz]\r\nshow=title", "lz", "show", ""), "[lz]\r\nshow=");
}

TEST(SettingsIniEditor, AddsAMissingKeyAtTheEndOfItsSection) {
  EXPECT_EQ(SetIniValue("[lz]\r\nshow=title\r\n\r\n[b]\r\nk=v\r\n", "lz", "rand", "f"),
            "[lz]\r\nshow=title\r\nrand=f\r\n\r\n[b]\r\nk=v\r\n");
  EXPECT_EQ(SetIniValue("[lz]", "lz", "rand", "f"), "[lz]\r\nrand=f\r\n");
  // A key of another section is not touched.
  EXPECT_EQ(SetIniValue("[a]\r\nrand=x\r\n[lz]\r\n", "lz", "rand", "f"), "[a]\r\nrand=x\r\n[lz]\r\nrand=f\r\n");
}

TEST(SettingsIniEditor, KeepsGarbageByteForByte) {
  std::string garbage("\x00\xFF[\x01\r\r\n=\x80]x\n[lz", 15);
  std::string out = SetIniValue(garbage, "lz", "time", "5");
  EXPECT_EQ(out.compare(0, garbage.size(), garbage), 0);
  EXPECT_EQ(out.substr(garbage.size()), "\r\n[lz]\r\ntime=5\r\n");
}

TEST(SettingsIniEditor, WriteSettingKeepsTheRestOfTheFile) {
  test::TempProgramDirectory dir;
  std::string garbage("\x00\x01junk=1\r\n\xFE\xFF", 12);
  std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(garbage.data()), garbage.size());
  ASSERT_TRUE(rt::WriteWholeFile(app::SettingsPath().c_str(), {&piece, 1}));
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "title");
  app::WriteSetting("show", "mouse");
  app::WriteSetting("time", "9");
  app::WriteSetting("show", "agent");
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "agent");
  EXPECT_EQ(app::ReadSetting(app::kTimeKey), "9");
  EXPECT_EQ(app::ReadSetting(app::kRandKey), "t");
  rt::FileContents file;
  ASSERT_TRUE(rt::ReadWholeFile(app::SettingsPath().c_str(), 0, rt::AllocationFailure::kResult, file));
  std::string bytes(reinterpret_cast<const char*>(file.data()), file.size);
  EXPECT_EQ(bytes, garbage + "\r\n[lz]\r\nshow=agent\r\ntime=9\r\n");
}

// A pause is forgotten by taking its keys out; nothing else of the file moves.
TEST(SettingsIniEditor, RemovesOnlyTheKeysLineAndDeleteSettingCreatesNoFile) {
  struct Case {
    const char* text;
    const char* removed;
  } cases[] = {
      {"[lz]\r\npause=2026-12-09 15:30\r\nshow=title\r\n", "[lz]\r\nshow=title\r\n"},
      {"[lz]\r\nshow=title\r\n Pause = x", "[lz]\r\nshow=title\r\n"},
      {"[a]\r\npause=x\r\n[lz]\r\nshow=t\r\n", "[a]\r\npause=x\r\n[lz]\r\nshow=t\r\n"},
      {"[lz]\npausefrom=x\npause=y\n", "[lz]\npausefrom=x\n"},
      {"garbage\x01", "garbage\x01"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::RemoveIniValue(c.text, "lz", "pause"), c.removed) << c.text;

  test::TempProgramDirectory dir;
  app::DeleteSetting("pause");
  EXPECT_FALSE(rt::FileExists(app::SettingsPath().c_str()));
  app::WriteSetting("pause", "2026-12-09 15:30");
  app::WriteSetting("show", "mouse");
  app::DeleteSetting("pause");
  EXPECT_EQ(app::ReadSetting(app::kPauseKey), "");
  EXPECT_EQ(app::ReadSetting(app::kShowKey), "mouse");
}

}  // namespace
}  // namespace lizhi
