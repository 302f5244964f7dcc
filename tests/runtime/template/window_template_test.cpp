#include "runtime/template/window_template.h"

#include <gtest/gtest.h>

#include <random>

#include "data/startup_window.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_type.h"
#include "runtime/frame/window_table.h"
#include "runtime/template/unit_blocks.h"
#include "support/fatal_trap.h"

namespace lizhi {
namespace {

TEST(WindowTemplate, StartupWindowSurvivesTheRoundTrip) {
  const rt::WindowTemplate original = data::StartupTemplate();
  const std::vector<uint8_t> bytes = rt::EncodeTemplate(original);
  auto decoded = rt::DecodeTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->windows.size(), 1u);
  const rt::WindowRecord& a = original.windows[0];
  const rt::WindowRecord& b = decoded->windows[0];
  EXPECT_EQ(b.windowId, rt::kStartupWindowId);
  ASSERT_EQ(b.units.size(), a.units.size());
  for (size_t i = 0; i < a.units.size(); ++i) {
    SCOPED_TRACE(i);
    const rt::UnitRecord& x = a.units[i];
    const rt::UnitRecord& y = b.units[i];
    EXPECT_EQ(x.unitId, y.unitId);
    EXPECT_EQ(x.type, y.type);
    EXPECT_EQ(x.name, y.name);
    EXPECT_EQ(x.menu.caption, y.menu.caption);
    EXPECT_EQ(x.menu.level, y.menu.level);
    EXPECT_EQ(x.menu.flags, y.menu.flags);
    EXPECT_EQ(x.menu.handler, y.menu.handler);
    EXPECT_EQ(x.body.left, y.body.left);
    EXPECT_EQ(x.body.top, y.body.top);
    EXPECT_EQ(x.body.width, y.body.width);
    EXPECT_EQ(x.body.height, y.body.height);
    EXPECT_EQ(x.body.stateFlags, y.body.stateFlags);
    EXPECT_EQ(x.body.ownBlock, y.body.ownBlock);
    ASSERT_EQ(x.body.events.size(), y.body.events.size());
    for (size_t e = 0; e < x.body.events.size(); ++e) {
      EXPECT_EQ(x.body.events[e].eventIndex, y.body.events[e].eventIndex);
      EXPECT_EQ(x.body.events[e].handler, y.body.events[e].handler);
    }
  }
}

TEST(WindowTemplate, StartupWindowHoldsThirtySevenUnitsInCreationOrder) {
  const rt::WindowTemplate tmpl = data::StartupTemplate();
  const rt::WindowRecord& w = tmpl.windows[0];
  ASSERT_EQ(w.units.size(), 37u);
  EXPECT_EQ(w.MenuRecordCount(), 28u);
  EXPECT_EQ(w.units[0].unitId, rt::kWindowUnitId);
  EXPECT_EQ(w.units[0].body.stateFlags & 1u, 0u) << "created hidden";
  EXPECT_EQ(w.units[1].unitId, data::kAgentUnit);
  EXPECT_EQ(w.units[4].unitId, data::kFollowTimer);
  EXPECT_EQ(w.units[7].unitId, data::kTrayMenu);
  EXPECT_EQ(w.units[17].unitId, data::kMenuPause);
  EXPECT_EQ(w.units[34].unitId, data::kMenuExit);
  EXPECT_EQ(w.units[35].unitId, data::kDisplayTimer);
  EXPECT_EQ(w.units[36].unitId, data::kTestButton);
  const rt::UnitRecord* label = w.FindUnit(data::kLineLabel);
  ASSERT_TRUE(label);
  EXPECT_EQ(label->body.left, 4);
  EXPECT_EQ(label->body.width, 1200);
  auto labelBlock = rt::DecodeLabelBlock(label->body.ownBlock);
  ASSERT_TRUE(labelBlock);
  EXPECT_EQ(labelBlock->fontHeight, -16);
  EXPECT_EQ(labelBlock->charset, 134);
  auto follow = rt::DecodeTimerBlock(w.FindUnit(data::kFollowTimer)->body.ownBlock);
  ASSERT_TRUE(follow);
  EXPECT_EQ(follow->interval, 100);
  auto display = rt::DecodeTimerBlock(w.FindUnit(data::kDisplayTimer)->body.ownBlock);
  ASSERT_TRUE(display);
  EXPECT_EQ(display->interval, 0);
}

TEST(WindowTemplate, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  const std::vector<uint8_t> bytes = data::StartupTemplateBytes();
  for (size_t n = 0; n < bytes.size(); ++n) {
    // A copy of exactly n bytes, so that ASan sees any read past it.
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(rt::DecodeTemplate(cut.data(), cut.size())) << "length " << n;
  }
}

TEST(WindowTemplate, DamagedCountsOffsetsAndLengthsNeverCrash) {
  const std::vector<uint8_t> bytes = data::StartupTemplateBytes();
  std::mt19937 rng(1234);
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> damaged = bytes;
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int f = 0; f < flips; ++f) {
      size_t at = rng() % damaged.size();
      damaged[at] = static_cast<uint8_t>(rng());
    }
    if (!rt::DecodeTemplate(damaged.data(), damaged.size())) ++refused;
  }
  EXPECT_GT(refused, 0);
  // Counts that promise more than the data holds.
  std::vector<uint8_t> huge = bytes;
  huge[0] = 0xF8;
  huge[1] = 0xFF;
  EXPECT_FALSE(rt::DecodeTemplate(huge.data(), huge.size()));
}

TEST(WindowTemplate, UnreadableTemplateIsFatalWithItsMessage) {
  std::vector<uint8_t> bytes = data::StartupTemplateBytes();
  bytes.resize(bytes.size() / 2);
  std::string box = test::FatalTextOf([&] { rt::LoadTemplateOrFail(bytes.data(), bytes.size()); });
  EXPECT_NE(box.find(rt::text::kTemplateUnreadable), std::string::npos);
  EXPECT_EQ(box.find(rt::text::kFatalCode), std::string::npos) << "code 0 is not shown";
  box = test::FatalTextOf([&] { rt::LoadTemplateOrFail(nullptr, 0); });
  EXPECT_NE(box.find(rt::text::kTemplateUnreadable), std::string::npos);
}

TEST(UnitBlocks, NewerVersionsAreRefused) {
  std::vector<uint8_t> timer = rt::EncodeBlock(rt::TimerBlock{250});
  ASSERT_TRUE(rt::DecodeTimerBlock(timer));
  timer[0] = 2;
  EXPECT_FALSE(rt::DecodeTimerBlock(timer));
  std::vector<uint8_t> window = rt::EncodeBlock(rt::WindowBlock{});
  window[0] = 7;
  EXPECT_FALSE(rt::DecodeWindowBlock(window));
  EXPECT_TRUE(rt::DecodeLabelBlock({})) << "no block gives the defaults";
}

}  // namespace
}  // namespace lizhi
