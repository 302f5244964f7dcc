// lizhi.exe and a small program on the same runtime, started and ended from
// outside: the hidden start-up window, and every way of ending.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/support/lizhi_process_win.h"

namespace lizhi::test {
namespace {

constexpr UINT kEndRequest = 0x83E7;

TEST(FrameEnd, LizhiStartsWithOnlyAHiddenWindowAndEndsOnRequest) {
  TempDirectory dir;
  ChildProcess lizhi;
  ASSERT_TRUE(lizhi.Start(BuildFile("lizhi.exe"), dir.path()));
  HWND window = lizhi.FindWindowOfClass("LizhiWindow", 10000);
  ASSERT_TRUE(window);
  EXPECT_FALSE(IsWindowVisible(window));
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 89);
  EXPECT_EQ(r.bottom - r.top, 228);
  HWND runtime = lizhi.FindWindowOfClass("LizhiRuntimeMessageWindow", 1000);
  ASSERT_TRUE(runtime);
  PostMessageA(runtime, kEndRequest, 0, 0);
  EXPECT_EQ(lizhi.WaitExit(10000), std::optional<DWORD>(0));
}

TEST(FrameEnd, SessionEndEndsLizhiWithCodeZero) {
  TempDirectory dir;
  ChildProcess lizhi;
  ASSERT_TRUE(lizhi.Start(BuildFile("lizhi.exe"), dir.path()));
  HWND window = lizhi.FindWindowOfClass("LizhiWindow", 10000);
  ASSERT_TRUE(window);
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  EXPECT_TRUE(answer);
  PostMessageA(window, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(lizhi.WaitExit(10000), std::optional<DWORD>(0));
}

struct EndCase {
  const char* how;
  DWORD exitCode;
  const char* exitRoutineLog;  // nullptr: never ran
};

class FrameEndWays : public ::testing::TestWithParam<EndCase> {};

TEST_P(FrameEndWays, ExitRoutineRunsOnceExceptAfterAFatalError) {
  const EndCase& c = GetParam();
  TempDirectory dir;
  ChildProcess tool;
  ASSERT_TRUE(tool.Start(BuildFile("frame_end_tool_win.exe"), dir.path(), c.how));
  if (std::string(c.how) == "wait") {
    HWND runtime = tool.FindWindowOfClass("LizhiRuntimeMessageWindow", 10000);
    ASSERT_TRUE(runtime);
    PostMessageA(runtime, kEndRequest, c.exitCode, 0);
  }
  EXPECT_EQ(tool.WaitExit(15000), std::optional<DWORD>(c.exitCode));
  auto log = ReadWholeFile(dir.File("exit-routine.txt"));
  if (c.exitRoutineLog) {
    ASSERT_TRUE(log);
    EXPECT_EQ(*log, c.exitRoutineLog);
  } else {
    EXPECT_FALSE(log);
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, FrameEndWays,
                         ::testing::Values(EndCase{"main", 0, "ran\n"}, EndCase{"thread", 7, "ran\n"},
                                           EndCase{"wait", 5, "ran\n"}, EndCase{"fatal", 0xFFFFFFFFu, nullptr}));

}  // namespace
}  // namespace lizhi::test
