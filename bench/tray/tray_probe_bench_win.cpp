// Times one probe of the tray icon locator both ways: reading the screen with
// one GetPixel per pixel (up to three per scanned pixel) and reading it with one
// capture scanned in memory. Run under Wine at 1024 x 768:
//   wine tray_probe_bench.exe [capture runs] [GetPixel runs]
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "runtime/base/win_handles.h"
#include "units/tray/locator_win.h"
#include "units/tray/probe_scan.h"
#include "units/tray/property_block.h"
#include "units/tray/tray_hooks_win.h"
#include "units/tray/tray_icon_unit.h"

namespace {

using lizhi::tray::ScreenPoint;
using lizhi::tray::ScreenRect;

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

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(2);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// The rule once more, reading every pixel with its own GetPixel.
std::optional<ScreenPoint> ScanPixelByPixel(const ScreenRect& area) {
  lizhi::win::WindowDc screen(nullptr);
  return lizhi::tray::ScanForProbeIcon(
      area, [&screen](int32_t x, int32_t y) { return lizhi::tray::IsDarkColour(GetPixel(screen.get(), x, y)); });
}

struct Timing {
  std::vector<double> ms;
  std::optional<ScreenPoint> found;  // the last run's answer
  int hits = 0;                      // runs that found the icon
  double Median() {
    std::sort(ms.begin(), ms.end());
    return ms.empty() ? 0 : ms[ms.size() / 2];
  }
};

// Runs spaced `gapMs` apart, as probes come in use (a balloon every few seconds).
template <typename Run>
Timing TimeRuns(int runs, Run run, DWORD gapMs = 30) {
  Timing t;
  for (int i = 0; i < runs; ++i) {
    if (gapMs) Pump(gapMs);
    double start = NowMs();
    t.found = run();
    t.ms.push_back(NowMs() - start);
    if (t.found) ++t.hits;
  }
  return t;
}

// A 16 x 16 icon file in one light colour, for the unit's real icon.
std::vector<uint8_t> LightIcon() {
  std::vector<uint8_t> b(6 + 16 + 40 + 16 * 16 * 4 + 16 * 4, 0);
  auto put = [&b](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  put(2, 1, 2);
  put(4, 1, 2);
  b[6] = b[7] = 16;
  put(10, 1, 2);
  put(12, 32, 2);
  put(14, 40 + 16 * 16 * 4 + 16 * 4, 4);
  put(18, 22, 4);
  put(22, 40, 4);
  put(26, 16, 4);
  put(30, 32, 4);
  put(34, 1, 2);
  put(36, 32, 2);
  for (size_t i = 0; i < 16 * 16; ++i) put(62 + 4 * i, 0xFFE0C080, 4);
  return b;
}

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

void Print(const char* what, Timing& t) {
  const double median = t.Median();  // sorts the runs
  std::printf("  %-34s median %9.3f ms  (min %.3f, max %.3f, %zu runs)", what, median, t.ms.front(), t.ms.back(),
              t.ms.size());
  std::printf("  found in %d\n", t.hits);
}

}  // namespace

int main(int argc, char** argv) {
  const int captureRuns = argc > 1 ? std::atoi(argv[1]) : 50;
  const int pixelRuns = argc > 2 ? std::atoi(argv[2]) : 3;
  using namespace lizhi::tray;

  WNDCLASSA wc{};
  wc.lpfnWndProc = &PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LizhiBenchParent";
  RegisterClassA(&wc);
  lizhi::win::Window parent(CreateWindowExA(0, "LizhiBenchParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                            nullptr, GetModuleHandleA(nullptr), nullptr));

  // The frame is not running here: events and destruction go nowhere.
  TrayHooks().host = [](int32_t, intptr_t, intptr_t) -> intptr_t { return 0; };

  TrayIconProperties properties;
  properties.icon = LightIcon();
  properties.tip = "probe benchmark";
  std::vector<uint8_t> block = SaveTrayIconBlock(properties);
  lizhi::rt::UnitCreateParams params;
  params.block = block.data();
  params.blockSize = block.size();
  params.parentWindow = parent.get();
  void* unit = TrayIconUnitType().create(params);
  if (!unit) {
    std::printf("could not create the tray icon unit\n");
    return 1;
  }
  Pump(300);

  const FoundArea area = FindNotificationArea(TrayHooks().taskbarClass);
  std::printf("tray probe benchmark: screen %d x %d, notification area %d,%d - %d,%d (%s)\n",
              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), area.rect.left, area.rect.top,
              area.rect.right, area.rect.bottom, area.window ? "taskbar" : "no taskbar: the corner");

  auto probeWith = [unit](std::optional<ScreenPoint> (*scan)(const ScreenRect&)) {
    TrayHooks().scanArea = scan;
    // The guess after a failed probe is the area's left end + 6 (Windows NT 5
    // and later, Wine too) or its centre; anything else was found.
    return [unit]() -> std::optional<ScreenPoint> {
      lizhi::rt::TypedValue x;
      TrayIconUnitType().readProperty(unit, kOwnIconScreenX, x);
      const ScreenRect a = FindNotificationArea(TrayHooks().taskbarClass).rect;
      const auto value = static_cast<int32_t>(x.low);
      if (value == a.left + 6 || value == (a.left + a.right) / 2) return std::nullopt;
      return ScreenPoint{value, 0};
    };
  };

  // Each run reads IconScreenX: one probe.
  std::printf("one probe (IconScreenX read: black icon in, screen read and scanned, real icon back):\n");
  Timing capture = TimeRuns(captureRuns, probeWith(&CaptureAndScan));
  Print("one capture, scanned in memory:", capture);
  Timing perPixel = TimeRuns(pixelRuns, probeWith(&ScanPixelByPixel));
  Print("GetPixel per pixel:", perPixel);
  std::printf("  ratio GetPixel / capture: %.0f\n", perPixel.Median() / capture.Median());
  // A balloon reads x and then y: the second probe follows the first at once.
  TrayHooks().scanArea = &CaptureAndScan;
  Timing pairs = TimeRuns(captureRuns, [unit]() -> std::optional<ScreenPoint> {
    lizhi::rt::TypedValue x, y;
    TrayIconUnitType().readProperty(unit, kOwnIconScreenX, x);
    TrayIconUnitType().readProperty(unit, kOwnIconScreenY, y);
    const ScreenRect a = FindNotificationArea(TrayHooks().taskbarClass).rect;
    if (static_cast<int32_t>(y.low) == (a.top + a.bottom) / 2) return std::nullopt;
    return ScreenPoint{static_cast<int32_t>(x.low), static_cast<int32_t>(y.low)};
  });
  Print("x then y at once (two probes):", pairs);

  // The scan alone where the icon is not (the left half of the area): every
  // row is read to its end, the worst case of a probe.
  std::printf("scan alone over the left half of the area, where the icon is not:\n");
  Timing missCapture = TimeRuns(captureRuns, [&] {
    ScreenRect r = area.rect;
    return CaptureAndScan(ScreenRect{r.left, r.top, r.left + (r.right - r.left) / 2, r.bottom});
  });
  Print("one capture, scanned in memory:", missCapture);
  Timing missPixel = TimeRuns(1, [&] {
    ScreenRect r = area.rect;
    return ScanPixelByPixel(ScreenRect{r.left, r.top, r.left + (r.right - r.left) / 2, r.bottom});
  });
  Print("GetPixel per pixel:", missPixel);
  std::printf("  ratio GetPixel / capture: %.0f\n", missPixel.Median() / missCapture.Median());

  TrayHooks().scanArea = &CaptureAndScan;
  parent.reset();
  return 0;
}
