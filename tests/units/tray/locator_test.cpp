#include "units/tray/locator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lizhi::tray {
namespace {

class FakePlatform : public LocatorPlatform {
 public:
  int64_t now = 1'700'000'000;
  ScreenRect area{0, 748, 1024, 768};
  std::optional<ScreenPoint> answer = ScreenPoint{1013, 757};
  int probes = 0;

  int64_t Now() override { return now; }
  ScreenRect NotificationArea() override { return area; }
  std::optional<ScreenPoint> Probe(const ScreenRect&) override {
    ++probes;
    return answer;
  }
};

constexpr OsVersion kWindows7{2, 6};

TEST(TrayIconLocator, UnknownUntilARecordWasHandedOver) {
  FakePlatform platform;
  TrayIconLocator locator(kWindows7);
  EXPECT_EQ(locator.Locate(0, platform).status, LocateStatus::kUnknown);
  locator.SetRecordIdentity(0x1234, -1);
  EXPECT_EQ(locator.Locate(0, platform).status, LocateStatus::kUnknown);
  locator.SetRecordIdentity(0, 7);
  EXPECT_EQ(locator.Locate(0, platform).status, LocateStatus::kUnknown);
  EXPECT_EQ(platform.probes, 0);

  locator.SetRecordIdentity(0x1234, 0x1234);
  LocateResult r = locator.Locate(0, platform);
  EXPECT_EQ(r.status, LocateStatus::kFound);
  EXPECT_EQ(r.position, (ScreenPoint{1013, 757}));
  EXPECT_EQ(platform.probes, 1);
  EXPECT_EQ(locator.lastProbe(), platform.now);
}

TEST(TrayIconLocator, EachModeProbesAgainOnlyPastItsAge) {
  struct Case {
    int mode;
    int64_t maxAge;
  } cases[] = {{0, 10}, {1, 60}, {2, 30}, {3, 10}};
  for (const Case& c : cases) {
    FakePlatform platform;
    TrayIconLocator locator(kWindows7);
    locator.SetRecordIdentity(1, 1);
    locator.Locate(c.mode, platform);
    ASSERT_EQ(platform.probes, 1);

    platform.answer = ScreenPoint{5, 6};
    platform.now += c.maxAge;
    LocateResult cached = locator.Locate(c.mode, platform);
    EXPECT_EQ(platform.probes, 1) << "mode " << c.mode;
    EXPECT_EQ(cached.status, LocateStatus::kFound);
    EXPECT_EQ(cached.position, (ScreenPoint{1013, 757}));

    platform.now += 1;
    EXPECT_EQ(locator.Locate(c.mode, platform).position, (ScreenPoint{5, 6})) << "mode " << c.mode;
    EXPECT_EQ(platform.probes, 2);
  }
}

TEST(TrayIconLocator, AgeCountsBothWaysSoAClockSetBackProbesToo) {
  FakePlatform platform;
  TrayIconLocator locator(kWindows7);
  locator.SetRecordIdentity(1, 1);
  locator.Locate(3, platform);
  platform.now -= 11;
  locator.Locate(3, platform);
  EXPECT_EQ(platform.probes, 2);
}

TEST(TrayIconLocator, OtherModesNeverProbeAgain) {
  FakePlatform platform;
  TrayIconLocator locator(kWindows7);
  locator.SetRecordIdentity(1, 1);
  locator.Locate(3, platform);
  platform.now += 100000;
  for (int mode : {4, 7, -1}) {
    LocateResult r = locator.Locate(mode, platform);
    EXPECT_EQ(r.status, LocateStatus::kFound);
    EXPECT_EQ(r.position, (ScreenPoint{1013, 757}));
  }
  EXPECT_EQ(platform.probes, 1);
}

TEST(TrayIconLocator, ForgettingTheProbeTimeMakesTheNextQueryProbe) {
  FakePlatform platform;
  TrayIconLocator locator(kWindows7);
  locator.SetRecordIdentity(1, 1);
  locator.Locate(3, platform);
  locator.ForgetProbeTime();
  EXPECT_EQ(locator.lastProbe(), LongAgo());
  locator.Locate(3, platform);
  EXPECT_EQ(platform.probes, 2);
}

TEST(TrayIconLocator, FailedProbeGuessesFromTheAreaAndKeepsTheCache) {
  FakePlatform platform;
  platform.area = {984, 748, 1024, 768};  // the 40 x 20 corner of a 1024 x 768 screen
  TrayIconLocator nt(kWindows7);
  nt.SetRecordIdentity(1, 1);
  nt.Locate(3, platform);
  int64_t probedAt = nt.lastProbe();

  platform.answer.reset();
  platform.now += 11;
  LocateResult guess = nt.Locate(3, platform);
  EXPECT_EQ(guess.status, LocateStatus::kNotFound);
  EXPECT_EQ(guess.position, (ScreenPoint{984 + 6, 758}));  // NT 5 and later: left + 6
  EXPECT_EQ(nt.lastProbe(), probedAt);
  EXPECT_EQ(nt.area().left, 984);

  // Another failure still probes (the time was not renewed); a success later
  // replaces the cache.
  nt.Locate(3, platform);
  EXPECT_EQ(platform.probes, 3);
  platform.answer = ScreenPoint{1, 2};
  EXPECT_EQ(nt.Locate(3, platform).position, (ScreenPoint{1, 2}));

  for (OsVersion old : {OsVersion{2, 4}, OsVersion{1, 4}, OsVersion{1, 5}}) {
    FakePlatform p;
    p.area = {984, 748, 1024, 768};
    p.answer.reset();
    TrayIconLocator locator(old);
    locator.SetRecordIdentity(1, 1);
    EXPECT_EQ(locator.Locate(0, p).position, (ScreenPoint{1004, 758}));
  }
}

TEST(IconPositionReads, ShellFirstAndOneAnswerServesTheXAndTheYThatFollows) {
  std::vector<std::string> calls;
  std::optional<ScreenRect> shell = ScreenRect{100, 200, 120, 216};
  LocateResult located{LocateStatus::kNotFound, {7, 9}};
  auto shellRect = [&] {
    calls.push_back("shell");
    return shell;
  };
  auto locate = [&] {
    calls.push_back("probe");
    return located;
  };
  IconPositionReads reads;
  EXPECT_EQ(reads.Read(true, true, shellRect, locate), 110);
  EXPECT_EQ(reads.Read(false, true, shellRect, locate), 208);
  EXPECT_EQ(calls, std::vector<std::string>{"shell"});

  // The shell cannot tell: one probe for the tick, the guess counts.
  calls.clear();
  shell.reset();
  EXPECT_EQ(reads.Read(true, true, shellRect, locate), 7);
  EXPECT_EQ(reads.Read(false, true, shellRect, locate), 9);
  EXPECT_EQ(calls, (std::vector<std::string>{"shell", "probe"}));

  // A Y read on its own, or after something else happened, asks again.
  calls.clear();
  EXPECT_EQ(reads.Read(true, true, shellRect, locate), 7);
  reads.Interrupt();
  EXPECT_EQ(reads.Read(false, true, shellRect, locate), 9);
  EXPECT_EQ(reads.Read(false, true, shellRect, locate), 9);
  EXPECT_EQ(calls.size(), 6u);

  // Never added: 0 without asking anyone; unknown to the locator: 0 too.
  calls.clear();
  EXPECT_EQ(reads.Read(true, false, shellRect, locate), 0);
  EXPECT_TRUE(calls.empty());
  located.status = LocateStatus::kUnknown;
  EXPECT_EQ(reads.Read(false, true, shellRect, locate), 0);
}

// A bottom taskbar on the primary monitor and one on a monitor left of it.
TEST(VisibleIconRect, AnIconOffTheTaskbarPointsAtTheNotificationAreasCorner) {
  const ScreenRect taskbar{0, 1040, 1920, 1080}, area{1700, 1040, 1920, 1080};
  const ScreenRect leftTaskbar{-1280, 984, 0, 1024}, leftArea{-200, 984, 0, 1024};
  const ScreenRect corner{1700, 1040, 1712, 1080};
  EXPECT_EQ(VisibleIconRect({1750, 1048, 1774, 1072}, taskbar, area), (ScreenRect{1750, 1048, 1774, 1072}));
  EXPECT_EQ(VisibleIconRect({1750, 1030, 1774, 1054}, taskbar, area), (ScreenRect{1750, 1030, 1774, 1054}))
      << "overlapping the taskbar counts";
  EXPECT_EQ(VisibleIconRect({1650, 980, 1674, 1004}, taskbar, area), corner) << "in the overflow window above";
  EXPECT_EQ(VisibleIconRect({0, 0, 0, 0}, taskbar, area), corner) << "in a hidden window";
  EXPECT_EQ(VisibleIconRect({-150, 990, -126, 1014}, leftTaskbar, leftArea), (ScreenRect{-150, 990, -126, 1014}));
  EXPECT_EQ(VisibleIconRect({-150, 900, -126, 924}, leftTaskbar, leftArea), (ScreenRect{-200, 984, -188, 1024}));
  EXPECT_EQ(VisibleIconRect({5, 5, 29, 29}, std::nullopt, area), (ScreenRect{5, 5, 29, 29}));
}

}  // namespace
}  // namespace lizhi::tray
