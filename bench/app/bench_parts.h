// The benchmark's parts: lizhi.exe measured from outside, and the core's
// display tick measured inside a copy of this program that hosts the core.
#pragma once
#include <string>

namespace lizhi::bench {

// Start until the icon is in the notification area, lizhi.exe and the minimal
// tray program started by turns, `runs` warm starts each.
void TimeStartToIcon(const std::string& lizhiExe, const std::string& minimalExe, int runs);
// Both programs' private memory 8 s after start, running side by side.
void CompareMemory(const std::string& lizhiExe, const std::string& minimalExe, int rounds);
// lizhi.exe's memory and GUI objects after about 10 and about 1,000 ticks at
// 10 ms, judged by the clock.
void WatchLizhiGrowth(const std::string& lizhiExe);
// Runs this program's copy in a fresh directory as a tick host and prints
// what it measured.
void RunTickHost(const std::string& benchExe, int directTicks);
// The tick host itself: the core on the start-up window, ticks timed one by
// one, then 1,000 timer-driven ticks; figures written to `resultFile`.
int HostTicks(int directTicks, const std::string& resultFile);
// Timer wake-ups a minute in each display mode, counted in hosts of the core
// that run `seconds` each.
void CountWakeUps(const std::string& benchExe, int seconds);
int HostWakeUps(int seconds, const std::string& resultFile);
// The steps of a title-bar tick timed one by one inside the host.
std::string TickBreakdown(int runs);

}  // namespace lizhi::bench
