// Reading a music file through the 64 KiB input buffer: every byte of the
// audio data arrives in order, tags at either end are left out, seeks restart
// the stream, and open failures give their codes.
#include "runtime/music/file_input.h"

#include <gtest/gtest.h>

#include <vector>

#include "mp3_builder.h"
#include "runtime/music/input_buffer.h"

namespace lizhi::music {
namespace {

using test::Bytes;
using test::operator+;

struct NoEvents final : EventSink {
  void Post(const PlayerEvent&) override {}
};

Bytes Counting(size_t n) {
  Bytes out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return out;
}

// Everything the reader delivers, taken in windows of `window` bytes.
Bytes ReadAll(FileInput& input, size_t window) {
  Bytes all;
  std::vector<uint8_t> buf(window);
  for (;;) {
    const size_t got = input.buffer().Peek(buf.data(), buf.size());
    if (got == 0) return all;
    all.insert(all.end(), buf.begin(), buf.begin() + got);
    input.buffer().Drop(got);
  }
}

class MusicFileInput : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  NoEvents events_;
};

TEST_F(MusicFileInput, DeliversEveryByteInOrderWhateverTheWindow) {
  const Bytes content = Counting(200000);  // three times the buffer, not whole blocks
  const std::string path = folder_.Write("plain.mp3", content);
  for (size_t window : {1441u, 8192u, 65536u}) {
    FileInput input(events_, 1);
    ASSERT_EQ(input.Open(path, ""), 0);
    input.Launch();
    input.Start();
    EXPECT_EQ(ReadAll(input, window), content) << "window " << window;
  }
}

TEST_F(MusicFileInput, LeavesOutId3v1TailAndId3v23Head) {
  const Bytes audio = Counting(30000);
  const Bytes v23 = test::Id3v2Tag(3, test::Text("TIT2 title"));
  FileInput input(events_, 1);
  ASSERT_EQ(input.Open(folder_.Write("tagged.mp3", v23 + audio + test::Id3v1Tag()), ""), 0);
  EXPECT_EQ(input.dataStart(), v23.size());
  EXPECT_EQ(input.length(), v23.size() + audio.size());
  input.Launch();
  input.Start();
  EXPECT_EQ(ReadAll(input, 1441), audio);
}

TEST_F(MusicFileInput, SkipsEveryId3v2TagAtTheFrontByItsHeader) {
  // v2.3 extended header: size 6, flags 0, padding 20, the padding inside the tag's size.
  Bytes extended{0, 0, 0, 6, 0, 0, 0, 0, 0, 20};
  extended.resize(extended.size() + 20, 0);
  const Bytes audio = Counting(5000);
  const Bytes heads[] = {
      test::Id3v2Tag(3, extended, 0x40),
      test::Id3v2Tag(4, test::Text("TIT2 title")),
      test::Id3v2Tag(2, test::Text("TT2 title")),
      test::Id3v2Tag(4, test::Text("TIT2 title"), 0x10),
      test::Id3v2Tag(3, Counting(700)) + test::Id3v2Tag(4, Counting(300), 0x10) + test::Id3v2Tag(2, Counting(9)),
  };
  for (const Bytes& head : heads) {
    FileInput input(events_, 1);
    ASSERT_EQ(input.Open(folder_.Write("tagged.mp3", head + audio), ""), 0);
    EXPECT_EQ(input.dataStart(), head.size());
    input.Launch();
    input.Start();
    EXPECT_EQ(ReadAll(input, 1441), audio);
  }

  // A tag whose size runs past the end leaves nothing to play.
  Bytes overlong = test::Id3v2Tag(4, Counting(8000));
  overlong.resize(3000);
  FileInput input(events_, 1);
  ASSERT_EQ(input.Open(folder_.Write("overlong.mp3", overlong), ""), 0);
  EXPECT_EQ(input.dataStart(), input.length());
  input.Launch();
  input.Start();
  EXPECT_TRUE(ReadAll(input, 1441).empty());
}

TEST_F(MusicFileInput, SeekRestartsTheStreamAtTheOffset) {
  const Bytes content = Counting(150000);
  FileInput input(events_, 1);
  ASSERT_EQ(input.Open(folder_.Write("seek.mp3", content), ""), 0);
  input.Launch();
  input.Start();
  std::vector<uint8_t> head(100);
  ASSERT_EQ(input.buffer().Peek(head.data(), head.size()), 100u);
  input.buffer().SeekTo(120000);
  EXPECT_EQ(ReadAll(input, 1441), Bytes(content.begin() + 120000, content.end()));
}

TEST_F(MusicFileInput, EmptyFileEndsAtOnce) {
  FileInput input(events_, 1);
  ASSERT_EQ(input.Open(folder_.Write("empty.mp3", {}), ""), 0);
  input.Launch();
  input.Start();
  EXPECT_TRUE(ReadAll(input, 1441).empty());
}

TEST_F(MusicFileInput, MissingFileGivesFileNotFound) {
  FileInput input(events_, 1);
  EXPECT_EQ(input.Open(folder_.PathOf("nothing.mp3"), ""), failure::kFileNotFound);
  EXPECT_EQ(FileOpenFailure(EACCES), failure::kAccessDenied);
  EXPECT_EQ(FileOpenFailure(EMFILE), failure::kTooManyOpenFiles);
  EXPECT_EQ(FileOpenFailure(EIO), failure::kOther);
}

TEST_F(MusicFileInput, StoppingWhileTheBufferIsFullEndsTheThread) {
  FileInput input(events_, 1);
  ASSERT_EQ(input.Open(folder_.Write("big.mp3", Counting(300000)), ""), 0);
  input.Launch();
  input.Start();
  std::vector<uint8_t> all(InputBuffer::kBytes);
  ASSERT_EQ(input.buffer().Peek(all.data(), all.size()), InputBuffer::kBytes);  // full: the reader waits
  input.RequestQuit();
  input.Join();
}

}  // namespace
}  // namespace lizhi::music
