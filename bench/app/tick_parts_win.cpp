// The title-bar tick taken apart inside the tick host: each step the core's
// tick takes, done on its own the way the tick does it, many times in a row.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/core_texts.h"
#include "app/full_screen.h"
#include "app/settings/settings.h"
#include "app/text_source/file_stamp.h"
#include "app/unit_props.h"
#include "bench_parts.h"
#include "bench_support_win.h"
#include "data/startup_window.h"
#include "presenters/painter.h"
#include "presenters/painter_target_win.h"
#include "runtime/base/win_handles.h"
#include "runtime/frame/frame.h"

namespace lizhi::bench {

namespace {

constexpr char kSampleLine[] = "\xC8\xCB\xC9\xFA\xD2\xAA\xC0\xF8\xD6\xBE, a line to paint";  // 人生要励志

double MedianMs(int runs, const std::function<void()>& step) {
  std::vector<double> ms;
  ms.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const double start = NowMs();
    step();
    ms.push_back(NowMs() - start);
  }
  return Percentile(ms, 0.5);
}

}  // namespace

std::string TickBreakdown(int runs) {
  struct Part {
    const char* name;
    std::function<void()> step;
  };
  const std::string textPath = ModuleDirectory() + std::string(app::kDefaultTextName);
  const Part parts[] = {
      {"text reload check (the file's stamp)", [&] { (void)app::StampOfFile(textPath); }},
      {"pause key read (setup.ini)", [] { (void)app::ReadSetting(app::kPauseKey.name, app::kPauseKey.defaultValue); }},
      {"full-screen and quiet queries",
       [] { (void)app::ReadAttention(&app::ShellNotificationState, &app::FocusAssistProfile); }},
      {"mode check marks (four menu reads)",
       [] {
         for (uint32_t item : {data::kMenuMouseFollow, data::kMenuBalloon, data::kMenuAgent, data::kMenuTitleBar})
           (void)rt::ReadUnitProperty(rt::kStartupWindowId, item, 1);
       }},
      {"strip hidden (visible 0, width 0)",
       [] {
         rt::WriteUnitProperty(rt::kStartupWindowId, rt::kWindowUnitId, app::prop::kVisible, rt::MakeInt(0));
         rt::WriteUnitProperty(rt::kStartupWindowId, rt::kWindowUnitId, app::prop::kWidth, rt::MakeInt(0));
       }},
      {"order key read (setup.ini)", [] { (void)app::ReadSetting(app::kRandKey.name, app::kRandKey.defaultValue); }},
      {"foreground window and its rectangles",
       [] {
         HWND w = presenters::PaintTargetWindow(GetForegroundWindow());
         RECT client{}, window{};
         GetClientRect(w, &client);
         GetWindowRect(w, &window);
       }},
      {"background sample (screen DC, GetPixel)",
       [] {
         win::WindowDc screen(nullptr);
         (void)GetPixel(screen.get(), 400, 130);
       }},
      {"painting (erase and line, a font each)",
       [] {
         presenters::PaintTextArgs args;
         args.x = 300;
         args.y = 125;
         args.text = kSampleLine;
         args.size = presenters::kLineFontSize;
         args.quality = NONANTIALIASED_QUALITY;
         args.colour = 0xFFFFFF;
         presenters::PaintText(args);
         args.colour = presenters::kPaintYellow;
         presenters::PaintText(args);
         GdiFlush();
       }},
  };
  std::string out = "  its steps one by one (median of " + std::to_string(runs) + " each):\n";
  double sum = 0;
  for (const Part& part : parts) {
    const double ms = MedianMs(runs, part.step);
    sum += ms;
    char line[160];
    std::snprintf(line, sizeof line, "    %-44s %7.3f ms\n", part.name, ms);
    out += line;
  }
  char total[160];
  std::snprintf(total, sizeof total, "    %-44s %7.3f ms\n", "sum of the steps", sum);
  return out + total;
}

}  // namespace lizhi::bench
