// The title-bar mode over two ticks: the next line erases the one before.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "e2e/support/app_desktop_win.h"
#include "e2e/support/lizhi_process_win.h"

namespace lizhi::test {
namespace {

// Which pixels of a screen area are yellow, from one capture.
std::vector<bool> YellowMask(const RECT& area) {
  std::vector<bool> mask;
  for (uint32_t rgb : CaptureScreen(area)) mask.push_back(IsYellow(rgb));
  return mask;
}

int Count(const std::vector<bool>& mask) {
  int n = 0;
  for (bool b : mask) n += b ? 1 : 0;
  return n;
}

TEST(AppPaint, NextTickPaintsOverThePreviousLine) {
  TempDirectory dir;
  // File order, so that the two lines shown are sure to differ.
  CreateDirectoryA(dir.File("txt").c_str(), nullptr);
  WriteLzKey(dir.File("setup.ini"), "rand", "f");
  ForegroundWindow target(100, 120, 700, 400);
  ChildProcess lizhi;
  ASSERT_TRUE(lizhi.Start(BuildFile("lizhi.exe"), dir.path()));
  RECT r;
  GetWindowRect(target.handle(), &r);
  RECT band{r.right - 360, r.top, r.right, r.top + 30};

  ASSERT_TRUE(WaitUntil([&] { return CountScreenPixels(band, IsYellow) > 20; }, 8000));
  PumpFor(200);
  std::vector<bool> first = YellowMask(band);
  const DWORD firstAt = GetTickCount();
  // The second line arrives one interval (2 s) later.
  std::vector<bool> second;
  ASSERT_TRUE(WaitUntil(
      [&] {
        second = YellowMask(band);
        return second != first && Count(second) > 20;
      },
      6000));
  EXPECT_GE(GetTickCount() - firstAt, 1000u);
  int erased = 0;
  for (size_t i = 0; i < first.size(); ++i) erased += (first[i] && !second[i]) ? 1 : 0;
  EXPECT_GT(erased, 0) << "the previous line's pixels are painted over";
}

}  // namespace
}  // namespace lizhi::test
