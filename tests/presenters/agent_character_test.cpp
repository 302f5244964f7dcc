// Our own agent character without windows: its art, its animation, its mouse
// rules and where its speech balloon points.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "presenters/character_balloon.h"
#include "presenters/character_frames.h"
#include "presenters/character_pointer.h"

namespace lizhi::presenters {
namespace {

TEST(AgentCharacterArt, EveryFrameDecodesToAShapeSmallerThanItsSquare) {
  const data::CharacterArt art = data::OwnCharacterArt();
  ASSERT_EQ(static_cast<int32_t>(art.frames.size()), data::kFrameCount);
  EXPECT_GE(art.width, 96);
  EXPECT_LE(art.width, 128);
  std::vector<std::vector<PixelRun>> outlines;
  for (int32_t f = 0; f < data::kFrameCount; ++f) {
    const CharacterPixels p = DecodeCharacterFrame(art, f);
    ASSERT_EQ(p.colours.size(), static_cast<size_t>(art.width * art.height)) << f;
    outlines.push_back(OpaqueRuns(p.opaque, art.width, art.height));
    size_t opaque = 0;
    for (const PixelRun& r : outlines.back()) opaque += static_cast<size_t>(r.right - r.left);
    EXPECT_GT(opaque, p.opaque.size() / 3) << f;
    EXPECT_LT(opaque, p.opaque.size() * 9 / 10) << "not a rectangle: " << f;
  }
  // The face changes inside one outline; only the waving arm changes it.
  EXPECT_EQ(outlines[data::kFrameBlink], outlines[data::kFrameIdle]);
  EXPECT_EQ(outlines[data::kFrameSpeak], outlines[data::kFrameIdle]);
  EXPECT_NE(outlines[data::kFrameGreet1], outlines[data::kFrameIdle]);

  // Damaged art: a run past the end, an index outside the palette, too few runs.
  const std::vector<uint8_t> tooLong{3, 1, 3, 1}, badIndex{4, 99}, tooShort{3, 1};
  for (const std::vector<uint8_t>* runs : {&tooLong, &badIndex, &tooShort}) {
    const std::span<const uint8_t> frames[] = {*runs};
    const data::CharacterArt damaged{2, 2, art.palette, frames};
    EXPECT_TRUE(DecodeCharacterFrame(damaged, 0).colours.empty());
  }
  EXPECT_TRUE(DecodeCharacterFrame(art, data::kFrameCount).colours.empty());
}

// Drawn afresh at 100, 125, 150 and 200 %; the size nearest to the DPI is used.
TEST(AgentCharacterArt, EachDpiGetsTheNearestSizeWithWholeFrames) {
  const int32_t dpis[][2] = {{96, 112},  {0, 112},   {110, 140}, {120, 140},
                             {144, 168}, {168, 168}, {192, 224}, {288, 224}};
  for (const auto& [dpi, size] : dpis) {
    const data::CharacterArt art = data::OwnCharacterArt(dpi);
    EXPECT_EQ(art.width, size) << dpi;
    EXPECT_EQ(art.height, size) << dpi;
    ASSERT_EQ(static_cast<int32_t>(art.frames.size()), data::kFrameCount);
    for (int32_t f = 0; f < data::kFrameCount; ++f) {
      EXPECT_EQ(DecodeCharacterFrame(art, f).colours.size(), static_cast<size_t>(size * size)) << dpi << " " << f;
    }
  }
}

TEST(AgentCharacterAnimation, RisesIntoViewThenIdlesWakingOnlyToBlink) {
  CharacterAnimation a(112);
  const uint32_t start = 0xFFFFFF00;  // across the tick counter's wrap
  a.Appear(start);
  EXPECT_EQ(a.PictureAt(start).sink, 98);
  std::set<int32_t> sinks;
  uint32_t t = start;
  while (!a.idleAt(t)) {
    sinks.insert(a.PictureAt(t).sink);
    t += a.NextChangeIn(t);
  }
  EXPECT_EQ(sinks.size(), 8u);
  EXPECT_EQ(a.PictureAt(t), (CharacterPicture{data::kFrameIdle, 0}));

  // A minute of idling: a blink every few seconds, and no more wake-ups than that.
  int wakeUps = 0, blinks = 0;
  for (const uint32_t end = t + 60000; static_cast<int32_t>(end - t) > 0; t += a.NextChangeIn(t)) {
    ++wakeUps;
    if (a.PictureAt(t).frame == data::kFrameBlink) ++blinks;
  }
  EXPECT_GE(blinks, 10);
  EXPECT_LE(wakeUps, 2 * blinks + 2);
}

TEST(AgentCharacterAnimation, SpeaksAndGreetsForAWhileThenIdles) {
  CharacterAnimation a(112);
  a.Speak(1000, 40);  // 20 characters: 2.4 s
  EXPECT_EQ(a.PictureAt(1000).frame, data::kFrameSpeak);
  EXPECT_EQ(a.PictureAt(1200).frame, data::kFrameIdle);
  EXPECT_EQ(a.PictureAt(1400).frame, data::kFrameSpeak);
  EXPECT_FALSE(a.idleAt(3399));
  EXPECT_TRUE(a.idleAt(3400));
  EXPECT_EQ(a.NextChangeIn(3300), 100u);
  a.Speak(0, 2);
  EXPECT_TRUE(a.idleAt(1500)) << "a short line still speaks 1.5 s";
  a.Greet(5000);
  EXPECT_EQ(a.PictureAt(5000).frame, data::kFrameGreet1);
  EXPECT_EQ(a.PictureAt(5200).frame, data::kFrameGreet2);
  EXPECT_TRUE(a.idleAt(6200));
}

struct Step {
  enum Kind { kDown, kMove, kUp, kRight, kTimer } kind;
  uint32_t at = 0;
  PointerPoint point{};
};

TEST(AgentCharacterPointer, ClicksWaitForTheDoubleClickTimeDragsOpenNothing) {
  using A = PointerAction;
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<A> actions;  // the actions other than kNone, in order
  };
  const Case cases[] = {
      {"click", {{Step::kDown, 0}, {Step::kUp, 80}, {Step::kTimer}}, {A::kCapture, A::kStartClickTimer, A::kClick}},
      {"double click",
       {{Step::kDown, 0}, {Step::kUp, 80}, {Step::kDown, 200}, {Step::kTimer}, {Step::kUp, 260}, {Step::kTimer}},
       {A::kCapture, A::kStartClickTimer, A::kCapture, A::kDoubleClick}},
      {"second click too late",
       {{Step::kDown, 0}, {Step::kUp, 80}, {Step::kDown, 600}, {Step::kUp, 650}, {Step::kTimer}},
       {A::kCapture, A::kStartClickTimer, A::kCapture, A::kStartClickTimer, A::kClick}},
      {"shiver within the drag distance",
       {{Step::kDown, 0, {10, 10}}, {Step::kMove, 0, {13, 8}}, {Step::kUp, 50}, {Step::kTimer}},
       {A::kCapture, A::kStartClickTimer, A::kClick}},
      {"drag",
       {{Step::kDown, 0, {10, 10}},
        {Step::kMove, 0, {30, 5}},
        {Step::kMove, 0, {12, 12}},
        {Step::kUp, 90},
        {Step::kTimer}},
       {A::kCapture, A::kDragTo, A::kDragTo, A::kDragEnd}},
      {"right click", {{Step::kRight}}, {A::kMenu}},
      {"right click cancels a waiting click",
       {{Step::kDown, 0}, {Step::kUp, 50}, {Step::kRight}, {Step::kTimer}},
       {A::kCapture, A::kStartClickTimer, A::kMenu}},
  };
  for (const Case& c : cases) {
    CharacterPointer pointer(4, 500);
    std::vector<A> actions;
    for (const Step& s : c.steps) {
      PointerResult r;
      switch (s.kind) {
        case Step::kDown:
          r = pointer.LeftDown(s.at, s.point);
          break;
        case Step::kMove:
          r = pointer.Move(s.point);
          break;
        case Step::kUp:
          r = pointer.LeftUp(s.at);
          break;
        case Step::kRight:
          r = pointer.RightUp();
          break;
        case Step::kTimer:
          r = pointer.ClickTimerFired();
          break;
      }
      if (r.action == A::kStartClickTimer) {
        EXPECT_EQ(r.delayMs, 500u) << c.name;
      }
      if (r.action == A::kDragTo) {
        EXPECT_EQ(r.offset, (PointerPoint{s.point.x - 10, s.point.y - 10})) << c.name;
      }
      if (r.action != A::kNone) actions.push_back(r.action);
    }
    EXPECT_EQ(actions, c.actions) << c.name;
  }
}

TEST(AgentCharacterBalloon, PointsAtTheHeadWithItsBodyTowardsTheRoomySide) {
  const tip::TipRect screen{0, 0, 1024, 768};
  const BalloonAnchor right = BalloonAnchorFor({824, 568, 936, 680}, screen);
  EXPECT_EQ(right.point, (tip::TipPoint{862, 590}));
  EXPECT_EQ(right.placement, tip::kAnchorBottom | 1);
  const BalloonAnchor left = BalloonAnchorFor({10, 0, 122, 112}, screen);
  EXPECT_EQ(left.point, (tip::TipPoint{84, 22}));
  EXPECT_EQ(left.placement, tip::kAnchorBottom);
}

}  // namespace
}  // namespace lizhi::presenters
