#include "units/agent/agent_block.h"

#include <gtest/gtest.h>

#include <vector>

namespace lizhi::agent {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int32_t> fields) {
  AgentPropertyBlock b;
  std::vector<int32_t> f(fields);
  b.version = f[0];
  b.top = f[1];
  b.left = f[2];
  b.width = f[3];
  b.height = f[4];
  b.soundEffectsOn = f[5];
  b.autoPopupMenuOn = f[6];
  return SaveAgentBlock(b);
}

TEST(AgentBlock, LoadsStoredFieldsGivesDefaultsForNoneAndRefusesBadVersionsOrShortBlocks) {
  const std::optional<AgentPropertyBlock> none = LoadAgentBlock(nullptr, 0);
  ASSERT_TRUE(none);
  EXPECT_EQ(SaveAgentBlock(*none), Bytes({1, 0, 0, 0, 0, 1, 1}));

  const std::vector<uint8_t> stored = Bytes({0, 7, -8, 90, 100, 0, 1});
  ASSERT_EQ(stored.size(), kAgentBlockSize);
  const std::optional<AgentPropertyBlock> loaded = LoadAgentBlock(stored.data(), stored.size());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->top, 7);
  EXPECT_EQ(loaded->left, -8);
  EXPECT_EQ(SaveAgentBlock(*loaded), stored);

  for (int32_t version : {2, -1, 0x7FFFFFFF}) {
    const std::vector<uint8_t> b = Bytes({version, 0, 0, 0, 0, 1, 0});
    EXPECT_FALSE(LoadAgentBlock(b.data(), b.size())) << version;
  }
  EXPECT_FALSE(LoadAgentBlock(stored.data(), stored.size() - 1));
}

TEST(AgentBlock, PathsUnderEightBytesLoadTheDefaultCharacterAndMovesCrossAsSixteenBits) {
  EXPECT_FALSE(PathIsLoadKey(""));
  EXPECT_FALSE(PathIsLoadKey("C:\\a.ac"));
  EXPECT_TRUE(PathIsLoadKey("C:\\a.acs"));
  struct Case {
    int32_t in;
    int16_t out;
  };
  for (Case c : {Case{824, 824}, Case{-5, -5}, Case{0x12345, 0x2345}, Case{0x8000, -32768}, Case{70000, 4464}}) {
    EXPECT_EQ(CutTo16(c.in), c.out) << c.in;
  }
}

}  // namespace
}  // namespace lizhi::agent
