// Prints the time of one unit method call through the frame (argument packing,
// window and unit lookup, type check) and of the same method called directly.
#include <chrono>
#include <cstdio>

#include "data/startup_window.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/library_calls.h"
#include "runtime/frame/unit_type.h"
#include "runtime/frame/window_table.h"

namespace {

using namespace lizhi;

constexpr uint32_t kStandInType = 0x00040001;
constexpr int kCalls = 1'000'000;
int g_object = 0;
volatile int32_t g_sink = 0;

void Method(void*, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  result = rt::MakeInt(argCount + rt::IntOf(args[1]));
}

constexpr rt::UnitMethod kMethods[] = {{"Method", rt::kTypeInt, &Method}};
const rt::UnitType kStandIn{kStandInType, "StandIn", 0, nullptr, nullptr, nullptr, nullptr, nullptr, kMethods};

template <typename Call>
double NanosecondsPerCall(Call call) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCalls; ++i) call(i);
  const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / kCalls;
}

}  // namespace

int main() {
  const rt::UnitType* types[] = {&kStandIn};
  rt::RegisterUnitTypes(types);
  rt::Windows().Reset(data::StartupTemplate());
  rt::WindowEntry* entry = rt::Windows().Find(rt::kStartupWindowId);
  // Behind the template's own units, as the tip and agent units are.
  for (const rt::UnitRecord& unit : entry->record.units) entry->units.push_back({unit.unitId, nullptr, nullptr});
  const uint32_t unitId = 0x16017001;
  entry->units.push_back({unitId, &kStandIn, &g_object});

  const double framed = NanosecondsPerCall([&](int i) {
    g_sink = rt::IntOf(rt::CallUnitMethod(rt::kStartupWindowId, unitId, kStandInType, 0, {rt::MakeInt(i)}));
  });
  const double direct = NanosecondsPerCall([&](int i) {
    rt::TypedValue result;
    const rt::TypedValue args[] = {rt::UnitValue(rt::kStartupWindowId, unitId, kStandInType), rt::MakeInt(i)};
    Method(&g_object, result, 2, args);
    g_sink = rt::IntOf(result);
  });
  std::printf("unit method through the frame: %.1f ns a call (%zu units in the window)\n", framed, entry->units.size());
  std::printf("the same method called directly: %.1f ns a call\n", direct);
  return 0;
}
