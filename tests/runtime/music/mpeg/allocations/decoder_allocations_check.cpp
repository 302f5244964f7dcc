// The decoder promises a fixed-size state and no heap: decoding compliance
// streams of every layer makes no allocation at all. This binary
// replaces the global operator new and wraps malloc (linked with --wrap), so it
// runs apart from the sanitised suite, whose allocator checks stay intact.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "runtime/music/mpeg/buffer_decoder.h"
#include "runtime/music/mpeg/decoder.h"
#include "support/files.h"
#include "support/paths.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<int> g_allocations{0};
void Count() {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* p, size_t size);
void* __wrap_malloc(size_t size) {
  Count();
  return __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size) {
  Count();
  return __real_calloc(count, size);
}
void* __wrap_realloc(void* p, size_t size) {
  Count();
  return __real_realloc(p, size);
}
}

void* operator new(size_t size) {
  Count();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

namespace {

using namespace lizhi;

TEST(DecoderAllocations, DecodingEveryComplianceStreamAllocatesNothing) {
  const std::string dir = test::MpegDataDir() + "/iso/";
  int streams = 0;
  auto decoder = std::make_unique<mpeg::Decoder>();
  std::vector<uint8_t> pcm(mpeg::Decoder::kMaxPcmBytesPerFrame);
  for (const char* name : {"l1-fl1", "l1-fl6", "l2-fl10", "l2-fl14", "l2-test32", "l3-compl", "l3-he_mode",
                           "l3-he_44khz", "l3-si_huff", "M2L3_bitrate_22_all", "M2L3_compl24"}) {
    const std::string path = dir + name + ".bit";
    ASSERT_TRUE(test::HasFile(path));
    const std::vector<uint8_t> file = test::ReadBytes(path);
    g_allocations = 0;
    g_counting = true;
    const mpeg::BufferDecodeResult r =
        mpeg::DecodeBuffer(file.data(), file.size(), *decoder, pcm.data(), nullptr, nullptr);
    g_counting = false;
    EXPECT_GT(r.frames, 10u) << name;
    EXPECT_EQ(g_allocations.load(), 0) << name;
    ++streams;
  }
  EXPECT_EQ(streams, 11);
}

// The counter itself works: without this the test above could pass blind.
TEST(DecoderAllocations, TheCounterSeesAnAllocation) {
  g_allocations = 0;
  g_counting = true;
  auto* p = static_cast<volatile char*>(std::malloc(16));
  std::vector<int> v(10);
  g_counting = false;
  std::free(const_cast<char*>(p));
  EXPECT_EQ(g_allocations.load(), 2);
}

}  // namespace
