// The frame's one calling form for library commands and unit methods, on a
// window table read from the start-up template with a stand-in unit type.
#include "runtime/frame/library_calls.h"

#include <gtest/gtest.h>

#include "data/startup_window.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_type.h"
#include "runtime/frame/window_table.h"

namespace lizhi {
namespace {

constexpr uint32_t kStandInType = 0x00040001;  // library 4 has no units in the program
constexpr uint32_t kStandInLibrary = 4;
constexpr uint32_t kUnit = 0x16017001;

struct Seen {
  void* unit = nullptr;
  int32_t argCount = 0;
  uint32_t firstType = 0;
  int32_t lastInt = 0;
};
Seen g_seen;
int g_object = 0;

void Note(void* unit, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  g_seen = {unit, argCount, args[0].type, rt::IntOf(args[argCount - 1])};
  result = rt::MakeInt(argCount * 10);
}
void LibraryNote(rt::TypedValue& result, int32_t argCount, const rt::TypedValue*) {
  g_seen.argCount = argCount;
  result = rt::MakeLogical(true);
}

constexpr rt::UnitMethod kMethods[] = {{"Note", rt::kTypeInt, &Note}, {"Check", rt::kTypeLogical, &Note}};
const rt::UnitType kStandIn{kStandInType, "StandIn", 0, nullptr, nullptr, nullptr, nullptr, nullptr, kMethods};
constexpr rt::CommandFn kLibraryCommands[] = {&LibraryNote};

TEST(LibraryCalls, ReachOnlyALiveUnitOfTheirTypeAndAnswerFalseOrZeroOtherwise) {
  const rt::UnitType* types[] = {&kStandIn};
  rt::RegisterUnitTypes(types);
  rt::RegisterLibraryCommands(kStandInLibrary, kLibraryCommands);
  rt::Windows().Reset(data::StartupTemplate());
  rt::WindowEntry* entry = rt::Windows().Find(rt::kStartupWindowId);
  ASSERT_NE(entry, nullptr);
  entry->units.push_back({kUnit, &kStandIn, &g_object});
  entry->units.push_back({kUnit + 1, &kStandIn, nullptr});  // its object already gone

  struct Case {
    const char* what;
    uint32_t owner;
    int32_t index;
    rt::TypedValue unit;
    rt::TypedValue expected;
    bool runs;
  };
  const rt::TypedValue own = rt::UnitValue(rt::kStartupWindowId, kUnit, kStandInType);
  const Case cases[] = {
      {"the unit", kStandInType, 0, own, rt::MakeInt(20), true},
      {"another method", kStandInType, 1, own, rt::MakeInt(20), true},
      {"no such unit", kStandInType, 0, rt::UnitValue(rt::kStartupWindowId, kUnit + 9, kStandInType), rt::MakeInt(0),
       false},
      {"a unit without its object", kStandInType, 1, rt::UnitValue(rt::kStartupWindowId, kUnit + 1, kStandInType),
       rt::MakeLogical(false), false},
      {"no such window", kStandInType, 0, rt::UnitValue(0x52019999, kUnit, kStandInType), rt::MakeInt(0), false},
      {"named as another type", kStandInType, 0, rt::UnitValue(rt::kStartupWindowId, kUnit, rt::kUnitTypeTip),
       rt::MakeInt(0), false},
      {"a timer called as the stand-in", kStandInType, 0,
       rt::UnitValue(rt::kStartupWindowId, data::kDisplayTimer, kStandInType), rt::MakeInt(0), false},
      {"an index past the methods", kStandInType, 2, own, {}, false},
      {"a negative index", kStandInType, -1, own, {}, false},
      {"an unregistered type", 0x00040002, 0, own, {}, false},
      {"the library's command", rt::LibraryOwner(kStandInLibrary), 0, own, rt::MakeLogical(true), true},
      {"past the library's commands", rt::LibraryOwner(kStandInLibrary), 1, own, {}, false},
      {"an unknown library", rt::LibraryOwner(2), 0, own, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_seen = {};
    const rt::TypedValue args[] = {c.unit, rt::MakeInt(7)};
    const rt::TypedValue result = rt::CallLibraryCommand(c.owner, c.index, 2, args);
    EXPECT_EQ(result.type, c.expected.type);
    EXPECT_EQ(result.low, c.expected.low);
    EXPECT_EQ(g_seen.argCount != 0, c.runs);
  }

  // The unit goes first, its own arguments after it.
  g_seen = {};
  EXPECT_EQ(
      rt::IntOf(rt::CallUnitMethod(rt::kStartupWindowId, kUnit, kStandInType, 0, {rt::MakeInt(1), rt::MakeInt(5)})),
      30);
  EXPECT_EQ(g_seen.unit, &g_object);
  EXPECT_EQ(g_seen.firstType, kStandInType);
  EXPECT_EQ(g_seen.lastInt, 5);
  EXPECT_EQ(rt::CallLibraryCommand(kStandInType, 0, 0, nullptr).low, 0u) << "no unit argument at all";
  rt::Windows().Reset(data::StartupTemplate());
}

}  // namespace
}  // namespace lizhi
