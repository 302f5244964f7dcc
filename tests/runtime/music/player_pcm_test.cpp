// Real streams through the whole pipeline: the device receives exactly the
// PCM that decoding the stream frame by frame gives, across many wraps of the
// ring, with every block left untouched until the device has finished with it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "fake_wave_device.h"
#include "mp3_builder.h"
#include "runtime/music/mpeg/decoder.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/music_thread.h"
#include "runtime/music/player_entries.h"
#include "stage_decode.h"
#include "support/files.h"
#include "support/paths.h"

namespace lizhi::music {
namespace {

using test::Bytes;
using test::operator+;

// Frame after frame from the first one found, as a clean stream decodes.
struct Reference {
  int sampleRate = 0;
  int channels = 0;
  Bytes pcm;
};

Reference DecodeFrameByFrame(const Bytes& file) {
  Reference ref;
  const mpeg::StreamStart start = mpeg::FindStream(file.data(), file.size());
  if (!start.found) return ref;
  auto decoder = std::make_unique<mpeg::Decoder>();
  if (!decoder->Init(start.first)) return ref;
  ref.sampleRate = decoder->sampleRate();
  ref.channels = decoder->channels();
  std::vector<uint8_t> pcm(mpeg::Decoder::kMaxPcmBytesPerFrame);
  for (size_t at = start.offset; at < file.size();) {
    const size_t window = std::min(file.size() - at, mpeg::kSyncWindowBytes);
    const mpeg::Decoder::Result r = decoder->DecodeFrame(file.data() + at, window, pcm.data());
    if (r.bytesConsumed == 0) break;
    ref.pcm.insert(ref.pcm.end(), pcm.begin(), pcm.begin() + static_cast<long>(r.pcmBytes));
    at += r.bytesConsumed;
  }
  return ref;
}

class PlayerPcm : public ::testing::TestWithParam<const char*> {};

TEST_P(PlayerPcm, DeviceGetsExactlyTheDecodedStream) {
  const std::string path = lizhi::test::MpegDataDir() + "/iso/" + GetParam();
  const Reference ref = DecodeFrameByFrame(lizhi::test::ReadBytes(path));
  ASSERT_GT(ref.pcm.size(), 0u) << path;

  uintptr_t player = 0;
  {
    test::FakeAudio audio(test::Completion::Background);
    const std::string names = test::PackNames({path});
    player = CreatePlayer(names.c_str(), 1);
    NewPlay(player, 0, nullptr, 0);
    const bool ended = audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; });
    RemovePlayer(player);
    ASSERT_TRUE(ended);
    const test::DeviceSession s = audio.sessions()[0];
    EXPECT_EQ(s.format.sampleRate, ref.sampleRate);
    EXPECT_EQ(s.format.channels, ref.channels);
    EXPECT_EQ(s.pcm.size(), ref.pcm.size());
    EXPECT_TRUE(s.pcm == ref.pcm);
    EXPECT_TRUE(audio.violations().empty()) << audio.violations()[0];
  }
  EXPECT_EQ(MusicThread::LiveCount(), 0);
}

// 44.1 kHz stereo (PCM twice the ring), MPEG-2 at 24 kHz (576-sample frames),
// and layer II.
INSTANTIATE_TEST_SUITE_P(PlayerIso, PlayerPcm,
                         ::testing::Values("l3-he_44khz.bit", "l3-sin1k0db.bit", "M2L3_compl24.bit", "l2-fl10.bit"));

// ID3 v2 tags as music folders hold them, in front of a real stream. Each
// body starts with frames of another format, which a search through the tag
// would find first; a cover-art tag is far longer than the stream search reaches.
Bytes TagBody(size_t bytes) {
  Bytes body = test::Frames(test::kMono32k, 4);
  body.resize(bytes, 0x5A);
  return body;
}

TEST(PlayerTags, EveryTaggedFileGivesTheSamplesOfTheUntaggedStream) {
  const Bytes stream = lizhi::test::ReadBytes(lizhi::test::MpegDataDir() + "/iso/l3-sin1k0db.bit");
  const Reference ref = DecodeFrameByFrame(stream);
  ASSERT_GT(ref.pcm.size(), 0u);

  // v2.3 extended header: size 6, no flags, 0x120 bytes of padding at the
  // end of the body (inside the tag's size).
  Bytes padded = Bytes{0, 0, 0, 6, 0, 0, 0, 0, 0x01, 0x20} + TagBody(2000);
  padded.resize(padded.size() + 0x120, 0);
  const Bytes cover = TagBody(300 * 1024);
  const struct {
    const char* what;
    Bytes tags;
  } cases[] = {
      {"v2.3 cover art", test::Id3v2Tag(3, cover)},
      {"v2.4 cover art", test::Id3v2Tag(4, cover)},
      {"v2.2", test::Id3v2Tag(2, TagBody(900))},
      {"v2.3 extended header and padding", test::Id3v2Tag(3, padded, 0x40)},
      {"two stacked", test::Id3v2Tag(3, TagBody(700)) + test::Id3v2Tag(4, TagBody(1500))},
      {"footer", test::Id3v2Tag(4, TagBody(600), 0x10)},
  };
  test::TempFolder folder;
  for (const auto& c : cases) {
    const test::StageOutput out = test::DecodeThroughStages(folder.Write("tagged.mp3", c.tags + stream));
    EXPECT_TRUE(out.ended) << c.what;
    EXPECT_EQ(out.format.sampleRate, ref.sampleRate) << c.what;
    EXPECT_EQ(out.format.channels, ref.channels) << c.what;
    EXPECT_EQ(out.pcm.size(), ref.pcm.size()) << c.what;
    EXPECT_TRUE(out.pcm == ref.pcm) << c.what;
  }
}

}  // namespace
}  // namespace lizhi::music
