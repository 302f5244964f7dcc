// The benchmark's parts: lizhi.exe measured from outside, and the core's
// display tick measured inside a copy of this program that hosts the core.
#pragma once
#include <string>

namespace lizhi::bench {

// Start until the icon is in the notification area, over `runs` starts.
void TimeStartToIcon(const std::string& lizhiExe, int runs);
// lizhi.exe's memory and GUI objects after about 10 and about 1,000 ticks at
// 10 ms, judged by the clock.
void WatchLizhiGrowth(const std::string& lizhiExe);
// Runs this program's copy in a fresh directory as a tick host and prints
// what it measured.
void RunTickHost(const std::string& benchExe, int directTicks);
// The tick host itself: the core on the start-up window, ticks timed one by
// one, then 1,000 timer-driven ticks; figures written to `resultFile`.
int HostTicks(int directTicks, const std::string& resultFile);

}  // namespace lizhi::bench
