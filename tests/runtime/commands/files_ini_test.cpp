#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "runtime/commands/command_call.h"
#include "runtime/commands/files.h"
#include "runtime/commands/temp_dir.h"

namespace lizhi {
namespace {

using test::Text;

std::string Slurp(const std::string& programPath) {
  std::string p = programPath;
  for (char& c : p)
    if (c == '\\') c = '/';
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(CommandsFiles, WriteThenReadWholeFile) {
  test::TempDir dir;
  std::string path = dir / "a.bin";
  test::BytesBlock one(std::string("ab\0", 3)), none(""), two("cd");
  EXPECT_TRUE(
      rt::IntOf(rt::CallCommand("WriteFileBytes", {Text(path.c_str()), one.value(), none.value(), two.value()})));
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ReadFileBytes", {Text(path.c_str())})),
            (std::vector<uint8_t>{'a', 'b', 0, 'c', 'd'}));
  // Writing again truncates.
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteFileBytes", {Text(path.c_str()), two.value()})));
  EXPECT_EQ(Slurp(path), "cd");
}

TEST(CommandsFiles, MissingEmptyAndUnwritableFiles) {
  test::TempDir dir;
  EXPECT_EQ(rt::GetPointer<void>(rt::CallCommand("ReadFileBytes", {Text((dir / "none").c_str())})), nullptr);
  std::string empty = dir / "empty";
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteFileBytes", {Text(empty.c_str())})));
  EXPECT_EQ(rt::GetPointer<void>(rt::CallCommand("ReadFileBytes", {Text(empty.c_str())})), nullptr);
  EXPECT_EQ(rt::GetPointer<void>(rt::CallCommand("ReadFileBytes", {Text(dir.path().c_str())})), nullptr);
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("WriteFileBytes", {Text("")})));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("WriteFileBytes", {Text((dir / "no\\such\\dir").c_str())})));
}

TEST(CommandsFiles, ExistsCountsDirectoriesAndPatterns) {
  test::TempDir dir;
  std::string sub = dir / "sub";
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("FileExists", {Text(sub.c_str())})));
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("MakeDirectory", {Text(sub.c_str())})));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("MakeDirectory", {Text(sub.c_str())})));  // exists already
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("FileExists", {Text(sub.c_str())})));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("MakeDirectory", {Text((dir / "x\\y").c_str())})));  // last part only
  std::string file = sub + "\\note.txt";
  test::BytesBlock text("x");
  rt::CallCommand("WriteFileBytes", {Text(file.c_str()), text.value()});
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("FileExists", {Text((sub + "\\*.txt").c_str())})));
  EXPECT_FALSE(rt::IntOf(rt::CallCommand("FileExists", {Text((sub + "\\*.mp3").c_str())})));
  EXPECT_TRUE(rt::IsExistingFile(file.c_str()));
  EXPECT_FALSE(rt::IsExistingFile(sub.c_str()));
}

std::string ReadIni(const std::string& file, const char* key, rt::TypedValue fallback = {}) {
  return test::TakeText(rt::CallCommand("ReadIniItem", {Text(file.c_str()), Text("lz"), Text(key), fallback}));
}

TEST(CommandsIni, WriteAndReadItems) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  EXPECT_EQ(ReadIni(ini, "show", Text("title")), "title");
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("show"), Text("mouse")})));
  EXPECT_EQ(ReadIni(ini, "show", Text("title")), "mouse");
  EXPECT_EQ(ReadIni(ini, "SHOW"), "mouse");  // key names ignore case
}

TEST(CommandsIni, AValueOverTheBufferIsReadCut) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  std::string value(12000, 'v');
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("file"), Text(value.c_str())});
  EXPECT_EQ(ReadIni(ini, "file"), std::string(10239, 'v'));
}

TEST(CommandsIni, AnEmptyKeyReadsEmptyEvenWithADefault) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  EXPECT_EQ(ReadIni(ini, "", Text("fallback")), "");
  EXPECT_EQ(test::TakeText(rt::CallCommand("ReadIniItem", {Text(""), Text("lz"), Text("k"), Text("d")})), "");
  EXPECT_EQ(test::TakeText(rt::CallCommand("ReadIniItem", {Text(ini.c_str()), Text(""), Text("k"), Text("d")})), "");
}

TEST(CommandsIni, WritingWithoutAValueDeletesTheKey) {
  test::TempDir dir;
  std::string ini = dir / "setup.ini";
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("show"), Text("mouse")});
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("rand"), Text("f")});
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz"), Text("show")})));
  EXPECT_EQ(ReadIni(ini, "show", Text("title")), "title");
  EXPECT_EQ(ReadIni(ini, "rand"), "f");
  // Without a key the whole section goes.
  rt::CallCommand("WriteIniItem", {Text(ini.c_str()), Text("lz")});
  EXPECT_EQ(ReadIni(ini, "rand", Text("t")), "t");
}

}  // namespace
}  // namespace lizhi
