#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/settings/program_directory.h"
#include "app/settings/settings.h"
#include "app/text_source/text_source.h"

namespace lizhi {
namespace {

using Lines = std::vector<std::string>;

// Files in memory; every save moves a clock that stamps the write time.
class FakeFiles final : public app::TextFiles {
 public:
  struct File {
    std::string bytes;
    uint64_t writtenAt = 0;
    bool locked = false;
  };
  std::map<std::string, File> files;
  uint64_t clock = 100;
  int stamps = 0, reads = 0;

  void Save(const std::string& path, std::string bytes) { files[path] = {std::move(bytes), ++clock, false}; }

  std::optional<app::FileStamp> Stamp(const std::string& path) override {
    ++stamps;
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return app::FileStamp{it->second.bytes.size(), it->second.writtenAt};
  }
  bool Read(const std::string& path, rt::FileContents& out) override {
    ++reads;
    auto it = files.find(path);
    if (it == files.end() || it->second.locked) return false;
    out = rt::FileContents{};
    if (it->second.bytes.empty()) return true;
    out.block.reset(static_cast<uint8_t*>(rt::Allocate(it->second.bytes.size())));
    std::memcpy(out.block.get(), it->second.bytes.data(), it->second.bytes.size());
    out.size = it->second.bytes.size();
    return true;
  }
};

Lines LinesOf(const app::TextSource& source) {
  Lines out;
  for (size_t i = 0; i < app::LineCount(source); ++i) out.emplace_back(app::LineAt(source, i));
  return out;
}

// One tick after another against a file being edited: what each tick finds
// on disk, and what is shown afterwards.
TEST(TextReload, EditsShowAtTheNextTickAndHalfSavedFilesKeepTheOldLines) {
  const std::string path = "C:\\lz\\txt\\t.txt";
  const Lines placeholder{app::kPlaceholderLine};
  enum Disk { kSame, kSave, kLock, kUnlock, kDelete };
  struct Step {
    const char* what;
    Disk disk;
    std::string bytes;
    Lines shown;
    int reads;  // reads this tick
  } steps[] = {
      {"unchanged: one attribute query, no read", kSame, "", {"a", "b", "c"}, 0},
      {"saved with a new line", kSave, "a\r\nb\r\nnew", {"a", "b", "new"}, 1},
      {"locked by the editor", kLock, "x\r\ny", {"a", "b", "new"}, 1},
      {"still locked", kSame, "", {"a", "b", "new"}, 1},
      {"unlocked", kUnlock, "", {"x", "y"}, 1},
      {"emptied for a moment", kSave, "", {"x", "y"}, 0},
      {"written again", kSave, "z", {"z"}, 1},
      {"emptied", kSave, "", {"z"}, 0},
      {"still empty", kSame, "", placeholder, 1},
      {"deleted", kDelete, "", placeholder, 0},
      {"back", kSave, "w", {"w"}, 1},
  };
  FakeFiles files;
  files.Save(path, "a\r\nb\r\nc");
  app::TextSource source;
  app::LoadLines(source, path, files);
  for (const Step& s : steps) {
    if (s.disk == kSave) files.Save(path, s.bytes);
    if (s.disk == kLock) {
      files.Save(path, s.bytes);
      files.files[path].locked = true;
    }
    if (s.disk == kUnlock) files.files[path].locked = false;
    if (s.disk == kDelete) files.files.erase(path);
    int stampsBefore = files.stamps, readsBefore = files.reads;
    app::ReloadIfChanged(source, files);
    EXPECT_EQ(LinesOf(source), s.shown) << s.what;
    EXPECT_EQ(files.stamps - stampsBefore, 1) << s.what;
    EXPECT_EQ(files.reads - readsBefore, s.reads) << s.what;
  }
}

TEST(TextReload, FileOrderStaysWhereItWasCutToTheNewLineCount) {
  test::TempProgramDirectory dir;
  app::WriteSetting("rand", "f");
  const std::string path = "t.txt";
  FakeFiles files;
  files.Save(path, "1\r\n2\r\n3\r\n4");
  app::TextSource source;
  app::LoadLines(source, path, files);
  app::NextLine(source);
  app::NextLine(source);
  files.Save(path, "1\r\n2\r\nthree\r\n4");
  ASSERT_TRUE(app::ReloadIfChanged(source, files));
  EXPECT_EQ(source.currentLine, "2");
  EXPECT_EQ(app::NextLine(source), "three");
  files.Save(path, "a\r\nb");
  ASSERT_TRUE(app::ReloadIfChanged(source, files));
  EXPECT_EQ(source.sequenceCursor, 2);
  EXPECT_EQ(app::NextLine(source), "a");
}

}  // namespace
}  // namespace lizhi
