// Times the balloon tip with its default look (shadow on, blur 7 x 7):
//   - a show, from the call to the tip painted on the screen;
//   - one fade step's repaint;
//   - the soft shadow's blur at two tip sizes (linear in the area);
//   - private memory before and after many shows with fades.
// Run under Wine at 1024 x 768:  wine tip_bench.exe [shows] [soak shows]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "units/tip/tip_compose.h"
#include "units/tip/tip_engine_win.h"

namespace {

using lizhi::tip::TipEngine;

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / frequency;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Private memory in KiB. Wine leaves PrivateUsage at 0; there the Linux
// process that runs this program answers through its own /proc entry, which
// Wine's drive Z: reaches (anonymous resident memory).
unsigned long PrivateKiB() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  if (counters.PrivateUsage > 0) return static_cast<unsigned long>(counters.PrivateUsage / 1024);
  unsigned long kib = 0;
  if (FILE* status = std::fopen("Z:\\proc\\self\\status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
      if (std::sscanf(line, "RssAnon: %lu", &kib) == 1) break;
    }
    std::fclose(status);
  }
  return kib;
}

double TimeBlur(int width, int height, int runs) {
  std::vector<uint8_t> coverage(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  for (int y = height / 4; y < height * 3 / 4; ++y)
    for (int x = width / 4; x < width * 3 / 4; ++x) coverage[static_cast<size_t>(y) * width + x] = 255;
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    std::vector<uint8_t> copy = coverage;
    double start = NowMs();
    lizhi::tip::BoxBlur(copy, width, height, 7, 7);
    ms.push_back(NowMs() - start);
  }
  return Median(ms);
}

}  // namespace

int main(int argc, char** argv) {
  // Under Wine the output is a pipe: unbuffered, so that a run cut short still
  // shows what it measured.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const int shows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const int soak = argc > 2 ? std::max(0, std::atoi(argv[2])) : 2000;

  TipEngine engine(nullptr);
  if (!engine.ok() || !lizhi::tip::ListTipEngine(&engine)) {
    std::printf("no tip window\n");
    return 1;
  }
  // The Q_tip unit's defaults that shape the look.
  engine.look().shadowX = 5;
  engine.look().shadowY = 3;
  engine.look().darkness = 60;
  engine.settings().defaults.transparency = 10;

  std::vector<double> showMs, fadeMs;
  for (int i = 0; i < shows; ++i) {
    engine.Pop();
    Pump();
    double start = NowMs();
    engine.ShowAt(1000, 740, "A line to learn by heart, shown in a balloon", false);
    GdiFlush();
    showMs.push_back(NowMs() - start);
    start = NowMs();
    engine.PaintNow(30);
    GdiFlush();
    fadeMs.push_back(NowMs() - start);
  }
  const lizhi::tip::TipLayout& l = engine.layout();
  std::printf("tip %d x %d\n", l.windowWidth, l.windowHeight);
  std::printf("show to painted: median %.2f ms over %d shows\n", Median(showMs), shows);
  std::printf("fade step repaint: median %.2f ms\n", Median(fadeMs));
  std::printf("blur 7x7 over 300 x 80: median %.3f ms\n", TimeBlur(300, 80, 50));
  std::printf("blur 7x7 over 600 x 160 (4x area): median %.3f ms\n", TimeBlur(600, 160, 50));

  if (soak > 0) {
    engine.settings().fadeInStep = 1;
    engine.settings().fadeOutStep = 1;
    const unsigned long before = PrivateKiB();
    for (int i = 0; i < soak; ++i) {
      engine.ShowAt(200 + i % 600, 300 + i % 300, std::string(10 + i % 40, 'x'), false);
      // Run the fade-in to the end, then pop it.
      for (int step = 0; step < 6; ++step) engine.machine().OnTimer(lizhi::tip::kTimerFadeIn);
      engine.Pop();
      Pump();
      if ((i + 1) % 500 == 0 || i == 99) std::printf("private memory after %d shows: %lu KiB\n", i + 1, PrivateKiB());
    }
    std::printf("private memory: %lu KiB before, %lu KiB after %d shows with fades\n", before, PrivateKiB(), soak);
  }
  lizhi::tip::UnlistTipEngine(&engine);
  return 0;
}
