#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <vector>

#include "data/startup_window.h"
#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_type.h"
#include "runtime/frame/window_table.h"
#include "support/fatal_trap.h"

namespace lizhi {
namespace {

struct Seen {
  int calls = 0;
  uint32_t sourceUnit = 0;
  int32_t firstArg = 0;
};
Seen g_seen;

bool Record(const rt::EventRecord& e, int32_t& result) {
  ++g_seen.calls;
  g_seen.sourceUnit = rt::Runtime().eventSourceUnit;
  g_seen.firstArg = e.argCount > 0 ? e.args[0] : 0;
  result = 42;
  return true;
}

class EventDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    g_seen = {};
    handlers_.fill(&Record);
    rt::Windows().Reset(data::StartupTemplate());
    rt::SetEventHandlers(handlers_);
    rt::Runtime().suppressionCount = 0;
  }
  void TearDown() override {
    rt::SetEventHandlers({});
    rt::Runtime().suppressionCount = 0;
  }
  static rt::EventRecord Event(uint32_t unit, int32_t index) {
    rt::EventRecord e;
    e.windowId = rt::kStartupWindowId;
    e.unitId = unit;
    e.eventIndex = index;
    return e;
  }
  std::array<rt::EventHandler, 32> handlers_{};
};

TEST_F(EventDispatch, BoundEventRunsItsHandlerWithTheSourceSet) {
  rt::EventRecord e = Event(data::kDisplayTimer, 0);
  e.argCount = 1;
  e.args[0] = 7;
  EXPECT_EQ(rt::DispatchEvent(e), 1);
  EXPECT_EQ(g_seen.calls, 1);
  EXPECT_EQ(g_seen.sourceUnit, data::kDisplayTimer);
  EXPECT_EQ(g_seen.firstArg, 7);
  EXPECT_EQ(e.hasResult, 1);
  EXPECT_EQ(e.result, 42);
  EXPECT_EQ(rt::Runtime().eventSourceUnit, 0u) << "the source is forgotten afterwards";
}

TEST_F(EventDispatch, UnboundEventIndexDoesNothing) {
  rt::EventRecord e = Event(data::kTrayIcon, 1);  // only 0 and 2 are bound
  EXPECT_EQ(rt::DispatchEvent(e), 0);
  e = Event(data::kFileChooser, 0);
  EXPECT_NE(test::FatalTextOf([&] { rt::DispatchEvent(e); }).find(rt::text::kEventUnitInvalid), std::string::npos)
      << "common dialogs fire no events";
  EXPECT_EQ(g_seen.calls, 0);
}

TEST_F(EventDispatch, MenuItemsUseTheirOneHandlerAndSeparatorsNone) {
  rt::EventRecord e = Event(data::kMenuExit, 0);
  EXPECT_EQ(rt::DispatchEvent(e), 1);
  e = Event(data::kMenuExit, 5);
  EXPECT_EQ(rt::DispatchEvent(e), 1) << "whatever the event index";
  e = Event(0x260121FF, 0);  // a separator
  EXPECT_EQ(rt::DispatchEvent(e), 0);
  e = Event(data::kMenuBackColour, 0);  // stored without a handler
  EXPECT_EQ(rt::DispatchEvent(e), 0);
  EXPECT_EQ(g_seen.calls, 2);
}

TEST_F(EventDispatch, EventsAreDroppedWhileSuppressed) {
  rt::Runtime().suppressionCount = 1;
  rt::EventRecord e = Event(data::kDisplayTimer, 0);
  EXPECT_EQ(rt::DispatchEvent(e), 0);
  rt::Runtime().suppressionCount = 2;
  EXPECT_EQ(rt::DispatchEvent(e), 0);
  EXPECT_EQ(g_seen.calls, 0);
}

TEST_F(EventDispatch, EventsAreDroppedAfterAFatalError) {
  test::FatalTextOf([] { rt::FatalRuntimeError("x"); });
  // The trap resets the count on exit; what matters is that it was raised first.
  test::FatalTrap trap;
  int seenDuring = -1;
  try {
    rt::FatalRuntimeError("y");
  } catch (const test::FatalError&) {
    rt::EventRecord e = Event(data::kDisplayTimer, 0);
    seenDuring = rt::DispatchEvent(e);
  }
  EXPECT_EQ(seenDuring, 0);
  EXPECT_EQ(g_seen.calls, 0);
}

TEST_F(EventDispatch, MissingWindowOrUnitIsFatalWithItsMessage) {
  rt::EventRecord e = Event(data::kDisplayTimer, 0);
  e.windowId = 0x52010002;
  EXPECT_NE(test::FatalTextOf([&] { rt::DispatchEvent(e); }).find(rt::text::kEventWindowMissing), std::string::npos);
  e = Event(0x16019999, 0);
  EXPECT_NE(test::FatalTextOf([&] { rt::DispatchEvent(e); }).find(rt::text::kEventUnitMissing), std::string::npos);
}

TEST_F(EventDispatch, NestedUnitOfTheSameTypeFiresAsItsOutermost) {
  rt::WindowEntry* entry = rt::Windows().Find(rt::kStartupWindowId);
  rt::UnitRecord inner = *entry->record.FindUnit(data::kFollowTimer);
  inner.unitId = 0x16017777;
  inner.parent = data::kDisplayTimer;
  inner.body.events.clear();
  entry->record.units.push_back(inner);
  rt::EventRecord e = Event(0x16017777, 0);
  EXPECT_EQ(rt::DispatchEvent(e), 1);
  EXPECT_EQ(g_seen.sourceUnit, data::kDisplayTimer);
}

std::string Composed(const char* message, int32_t code, size_t capacity = rt::kFatalTextCapacity) {
  std::string out(capacity, '?');
  out.resize(rt::ComposeFatalText(message, code, out.data(), capacity));
  return out;
}

TEST(FatalPath, BoxTextAndExitRoutineDropped) {
  EXPECT_EQ(Composed("m", 0), std::string(rt::text::kFatalHead) + "\r\n\r\n" + rt::text::kFatalMessage + "m\r\n");
  EXPECT_EQ(Composed("", 12), std::string(rt::text::kFatalHead) + "\r\n\r\n" + rt::text::kFatalCode + "12\r\n\r\n");
  // A message longer than the fixed buffer is cut, still terminated.
  const std::string huge(5000, 'x');
  char box[rt::kFatalTextCapacity];
  EXPECT_EQ(rt::ComposeFatalText(huge.c_str(), -7, box, sizeof box), sizeof box - 1);
  EXPECT_EQ(box[sizeof box - 1], '\0');
  rt::Runtime().exitRoutine = [] {};
  test::FatalTextOf([] { rt::FatalRuntimeError("boom", 3); });
  EXPECT_EQ(rt::Runtime().exitRoutine, nullptr) << "the exit routine never runs after a fatal error";
}

TEST(FatalPath, ExhaustedMemoryAtATopEndsThroughTheOutOfMemoryError) {
  char expected[64];
  std::snprintf(expected, sizeof expected, rt::text::kOutOfMemory, 300);
  rt::NoteFailedAllocation(300);
  EXPECT_NE(test::FatalTextOf([] { rt::GuardAllocations([] { throw std::bad_alloc(); }); }).find(expected),
            std::string::npos);
  rt::NoteFailedAllocation(0);
  std::snprintf(expected, sizeof expected, rt::text::kOutOfMemory, INT32_MAX);
  EXPECT_NE(
      test::FatalTextOf([] { rt::GuardAllocations([] { std::vector<int>().reserve(SIZE_MAX / 2); }); }).find(expected),
      std::string::npos);
  EXPECT_EQ(rt::GuardAllocations([] { return 5; }), 5);
}

}  // namespace
}  // namespace lizhi
