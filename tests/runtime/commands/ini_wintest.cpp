#include <gtest/gtest.h>

#include "runtime/commands/command_call.h"
#include "runtime/commands/temp_dir.h"

namespace lizhi {
namespace {

using test::Text;

std::string ReadIni(const std::string& file, const char* key, rt::TypedValue fallback = {}) {
  return test::TakeText(rt::CallCommand("ReadIniItem", {Text(file.c_str()), Text("lz"), Text(key), fallback}));
}

TEST(CommandsIniWin, AValueOverTheBufferIsReadCut) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  std::string value(15000, 'v');
  ASSERT_TRUE(
      rt::IntOf(rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("k"), Text(value.c_str())})));
  EXPECT_EQ(ReadIni(ini, "k"), std::string(10239, 'v'));
}

TEST(CommandsIniWin, AnEmptyKeyReadsEmptyEvenWithADefault) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("k"), Text("v")});
  EXPECT_EQ(ReadIni(ini, "", Text("fallback")), "");
  EXPECT_EQ(ReadIni(ini, "missing", Text("fallback")), "fallback");
  EXPECT_EQ(ReadIni(ini, "k", Text("fallback")), "v");
}

TEST(CommandsIniWin, WritingWithoutAValueDeletesTheKey) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("show"), Text("mouse")});
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("rand"), Text("f")});
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("show")})));
  EXPECT_EQ(ReadIni(ini, "show", Text("title")), "title");
  EXPECT_EQ(ReadIni(ini, "rand"), "f");
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz")})));
  EXPECT_EQ(ReadIni(ini, "rand", Text("t")), "t");
}

TEST(CommandsFilesWin, ExistsCountsDirectoriesAndPatterns) {
  test::TempDir dir;
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("FileExists", {Text(dir.path().c_str())})));
  std::string file = dir / "a.txt";
  test::BytesBlock bytes("abc");
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteFileBytes", {Text(file.c_str()), bytes.value()})));
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("FileExists", {Text((dir / "*.txt").c_str())})));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("FileExists", {Text((dir / "*.mp3").c_str())})));
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ReadFileBytes", {Text(file.c_str())})),
            (std::vector<uint8_t>{'a', 'b', 'c'}));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("MakeDirectory", {Text((dir / "x\\y").c_str())})));
}

}  // namespace
}  // namespace lizhi
