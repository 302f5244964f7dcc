// The PCM ring between decoder and output: sizes, order, blocks that never
// wrap, and waits that end when space comes back or the pipeline stops.
#include "runtime/music/pcm_ring.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>

#include "runtime/music/pcm_format.h"

namespace lizhi::music {
namespace {

using Kind = PcmRing::Item::Kind;
constexpr auto kLongWait = std::chrono::seconds(20);

TEST(PcmRingSize, IsWholeFramesBelow512KiBWithOneHeaderLessThanFrames) {
  EXPECT_EQ(PcmRingBytes(4608), 520704u);  // 44.1 kHz stereo MPEG-1: 113 frames
  EXPECT_EQ(WaveHeaderCount(4608), 112u);
  EXPECT_EQ(PcmRingBytes(2304), 523008u);  // MPEG-1 mono / MPEG-2 stereo
  EXPECT_EQ(WaveHeaderCount(2304), 226u);
  EXPECT_EQ(PcmRingBytes(1152), 524160u);  // MPEG-2 mono
  EXPECT_EQ(PcmRingBytes(4096), 524288u);  // divides evenly: the whole 512 KiB
}

void WriteBlock(PcmRing& ring, size_t bytes, uint8_t fill) {
  uint8_t* p = ring.Reserve(bytes);
  ASSERT_NE(p, nullptr);
  std::memset(p, fill, bytes);
  ring.Commit(bytes);
}

TEST(PcmRing, MarkersAndBlocksComeOutInWriteOrder) {
  PcmRing ring;
  ring.Configure(64);
  PcmFormat format;
  format.channels = 2;
  format.sampleRate = 44100;
  ring.PutFormat(format);
  WriteBlock(ring, 16, 0xA1);
  WriteBlock(ring, 8, 0xB2);
  ring.PutEnd();

  PcmRing::Item item;
  ASSERT_TRUE(ring.Take(item));
  EXPECT_EQ(item.kind, Kind::Format);
  EXPECT_EQ(item.format.sampleRate, 44100);
  ASSERT_TRUE(ring.Take(item));
  ASSERT_EQ(item.kind, Kind::Pcm);
  ASSERT_EQ(item.bytes, 16u);
  EXPECT_EQ(item.data[0], 0xA1);
  EXPECT_EQ(item.data[15], 0xA1);
  ASSERT_TRUE(ring.Take(item));
  ASSERT_EQ(item.bytes, 8u);
  EXPECT_EQ(item.data[7], 0xB2);
  ASSERT_TRUE(ring.Take(item));
  EXPECT_EQ(item.kind, Kind::End);
}

TEST(PcmRing, ACommitShorterThanTheReservationPublishesOnlyThatMuch) {
  PcmRing ring;
  ring.Configure(64);
  ASSERT_NE(ring.Reserve(32), nullptr);
  ring.Commit(0);  // gives it all back, no item
  EXPECT_EQ(ring.BytesInUse(), 0u);
  ASSERT_NE(ring.Reserve(32), nullptr);
  ring.Commit(10);
  EXPECT_EQ(ring.BytesInUse(), 10u);
  PcmRing::Item item;
  ASSERT_TRUE(ring.Take(item));
  EXPECT_EQ(item.bytes, 10u);
}

TEST(PcmRing, BlockThatWouldWrapStartsAtTheBeginningInstead) {
  PcmRing ring;
  ring.Configure(10);
  uint8_t* first = ring.Reserve(4);
  ring.Commit(4);
  ring.Reserve(4);
  ring.Commit(4);
  PcmRing::Item item;
  ASSERT_TRUE(ring.Take(item));
  ring.ReleaseOldest();  // bytes 0..3 free again, 8..9 too short for 4
  uint8_t* third = ring.Reserve(4);
  EXPECT_EQ(third, first);
  ring.Commit(4);
  EXPECT_EQ(ring.BytesInUse(), 10u);  // the skipped tail counts until released
  ASSERT_TRUE(ring.Take(item));
  ASSERT_TRUE(ring.Take(item));
  EXPECT_EQ(item.data, first);
  ring.ReleaseOldest();
  ring.ReleaseOldest();
  EXPECT_EQ(ring.BytesInUse(), 0u);
}

TEST(PcmRing, FullRingMakesTheWriterWaitUntilABlockIsReleased) {
  PcmRing ring;
  ring.Configure(16);
  WriteBlock(ring, 8, 1);
  WriteBlock(ring, 8, 2);
  auto writer = std::async(std::launch::async, [&] { return ring.Reserve(8) != nullptr; });
  EXPECT_EQ(writer.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
  PcmRing::Item item;
  ASSERT_TRUE(ring.Take(item));
  ring.ReleaseOldest();
  ASSERT_EQ(writer.wait_for(kLongWait), std::future_status::ready);
  EXPECT_TRUE(writer.get());
}

TEST(PcmRing, AbortEndsBothWaits) {
  PcmRing ring;
  ring.Configure(8);
  WriteBlock(ring, 8, 1);
  PcmRing::Item item;
  ASSERT_TRUE(ring.Take(item));
  auto writer = std::async(std::launch::async, [&] { return ring.Reserve(8); });
  auto reader = std::async(std::launch::async, [&] {
    PcmRing::Item next;
    return ring.Take(next);
  });
  ring.Abort();
  ASSERT_EQ(writer.wait_for(kLongWait), std::future_status::ready);
  ASSERT_EQ(reader.wait_for(kLongWait), std::future_status::ready);
  EXPECT_EQ(writer.get(), nullptr);
  EXPECT_FALSE(reader.get());
}

TEST(PcmRing, ReservationLargerThanTheRingFailsInsteadOfWaitingForEver) {
  PcmRing ring;
  ring.Configure(8);
  EXPECT_EQ(ring.Reserve(9), nullptr);
  PcmRing unconfigured;
  EXPECT_EQ(unconfigured.Reserve(1), nullptr);
}

}  // namespace
}  // namespace lizhi::music
