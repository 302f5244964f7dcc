// The agent unit and the program's presenter against a fake agent server in
// this process: the exact calls of each command, property and presenter
// operation, notifications reaching their handlers, and no call at all in
// design mode or without a server.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "agent_fake_server_win.h"
#include "app/core_win.h"
#include "data/handler_ids.h"
#include "data/startup_window.h"
#include "presenters/agent_presenter.h"
#include "runtime/base/memory.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_host.h"
#include "support/pump_win.h"
#include "support/startup_window_win.h"
#include "units/agent/agent_block.h"
#include "units/agent/agent_unit.h"

namespace lizhi::agent {
namespace {

using Calls = std::vector<std::string>;
constexpr uint32_t kWindowId = 0x52019996;
constexpr uint32_t kUnitId = 0x16012399;

std::vector<rt::EventRecord>& Events() {
  static std::vector<rt::EventRecord> events;
  return events;
}
intptr_t RecordHost(int32_t code, intptr_t first, intptr_t) {
  if (code == rt::kHostFireEvent) Events().push_back(*reinterpret_cast<rt::EventRecord*>(first));
  return 1;
}

win::Window MakeParent() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LizhiAgentTestParent";
  RegisterClassA(&wc);
  return win::Window(
      CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance, nullptr));
}

class AgentUnitOnFakeServer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.registered());
    saved_ = AgentHooks();
    AgentHooks().host = &RecordHost;
    Events().clear();
    parent_ = MakeParent();
  }
  void TearDown() override {
    parent_.reset();
    AgentHooks() = saved_;
  }
  // A unit with the template's block, or `block`; `extra` non-zero is design mode.
  void* Create(std::vector<uint8_t> block = SaveAgentBlock({1, 0, 0, 0, 0, 1, 0}), intptr_t extra = 0) {
    rt::UnitCreateParams p;
    p.parentWindow = parent_.get();
    p.windowId = kWindowId;
    p.unitId = kUnitId;
    p.block = block.data();
    p.blockSize = block.size();
    p.extra = extra;
    return AgentUnitType().create(p);
  }
  Calls Take() { return std::exchange(server_.log.calls, {}); }
  win::ComPtr<IAgentNotifySinkEx> Sink() {
    win::ComPtr<IAgentNotifySinkEx> sink;
    if (server_.log.sink) server_.log.sink->QueryInterface(IID_IAgentNotifySinkEx, sink.putVoid());
    return sink;
  }

  test::FakeAgentServer server_;
  AgentUnitHooks saved_{};
  win::Window parent_;
};

TEST_F(AgentUnitOnFakeServer, LoadUsesPathsOfEightBytesOrMoreAndAppliesTheBlock) {
  struct Case {
    std::optional<std::string_view> path;
    AgentPropertyBlock block;
    Calls calls;
  };
  const Case cases[] = {
      {"C:\\lizhi\\MonkeyKing.acs",
       {1, 5, 6, 0, 0, 1, 0},
       {"Load C:\\lizhi\\MonkeyKing.acs", "GetCharacterEx 1", "SetPosition 6 5", "SetSoundEffectsOn 1",
        "SetAutoPopupMenu 0"}},
      {"C:\\a.ac",
       {0, 0, 0, 90, 80, 0, 1},
       {"Load <vt 0>", "GetCharacterEx 1", "SetPosition 0 0", "SetSize 90 80", "SetSoundEffectsOn 0",
        "SetAutoPopupMenu 1"}},
      {std::nullopt,
       {1, 0, 0, 90, 0, 1, 1},
       {"Load <vt 0>", "GetCharacterEx 1", "SetPosition 0 0", "SetSoundEffectsOn 1", "SetAutoPopupMenu 1"}},
  };
  for (const Case& c : cases) {
    ASSERT_NE(Create(SaveAgentBlock(c.block)), nullptr);
    EXPECT_EQ(Take(), Calls{"Register"});
    EXPECT_TRUE(Load(kWindowId, kUnitId, c.path));
    EXPECT_EQ(Take(), c.calls) << c.path.value_or("(none)");
    parent_.reset();
    parent_ = MakeParent();
    Take();
  }
  ASSERT_NE(Create(), nullptr);
  server_.log.failLoad = true;
  EXPECT_FALSE(Load(kWindowId, kUnitId, "C:\\lizhi\\MonkeyKing.acs"));
  EXPECT_FALSE(HasCharacter(kWindowId, kUnitId));
  EXPECT_EQ(Show(kWindowId, kUnitId), 0);
  EXPECT_EQ(Take(), (Calls{"Register", "Load C:\\lizhi\\MonkeyKing.acs"}));

  const std::vector<uint8_t> version2 = SaveAgentBlock({2, 0, 0, 0, 0, 1, 0});
  EXPECT_EQ(Create(version2), nullptr);
  EXPECT_TRUE(Take().empty());
}

TEST_F(AgentUnitOnFakeServer, CommandsPassTheirArgumentsAndAnswerRequestIds) {
  ASSERT_NE(Create(), nullptr);
  EXPECT_EQ(Show(kWindowId, kUnitId), 0) << "no character yet";
  ASSERT_TRUE(Load(kWindowId, kUnitId, "C:\\lizhi\\MonkeyKing.acs"));
  Take();
  const int32_t first = server_.log.nextRequest;
  EXPECT_EQ(Show(kWindowId, kUnitId), first);
  EXPECT_EQ(Hide(kWindowId, kUnitId), first + 1);
  EXPECT_NE(Speak(kWindowId, kUnitId, rt::MakeTextValue("\xC4\xE3\xBA\xC3 A")), 0);  // 你好 A
  const uint8_t utf16[] = {0x60, 0x4F, 0x7D, 0x59, 0x21};                            // 你好, an odd byte
  void* bytes = rt::MakeByteArray(utf16, sizeof utf16);
  EXPECT_NE(Speak(kWindowId, kUnitId, rt::MakeBytesValue(bytes), "http://x/"), 0);
  rt::Free(bytes);
  EXPECT_NE(Play(kWindowId, kUnitId, "greeting"), 0);
  EXPECT_NE(MoveTo(kWindowId, kUnitId, 70000, -5, 1), 0);
  EXPECT_EQ(Take(), (Calls{"Show 0", "Hide 0", "Speak \xE4\xBD\xA0\xE5\xA5\xBD A|",
                           "Speak \xE4\xBD\xA0\xE5\xA5\xBD|http://x/", "Play greeting", "MoveTo 4464 -5 1"}));
}

TEST_F(AgentUnitOnFakeServer, PropertiesGoToTheBlockAndToTheServerOnceLoaded) {
  void* unit = Create();
  ASSERT_NE(unit, nullptr);
  const rt::UnitType& type = AgentUnitType();
  auto write = [&](int32_t index, rt::TypedValue v) { type.propertyWritten(unit, index - 8, -1, v); };
  auto read = [&](int32_t index) {
    rt::TypedValue v;
    EXPECT_TRUE(type.readProperty(unit, index - 8, v));
    return v;
  };
  write(kCharacterTop, rt::MakeInt(40));
  write(kSoundEffectsOff, rt::MakeLogical(true));
  write(kSpeechEngineId, rt::MakeTextValue("x"));
  EXPECT_EQ(rt::IntOf(read(kCharacterTop)), 40);
  EXPECT_EQ(rt::IntOf(read(kCharacterVisible)), 0);
  EXPECT_EQ(Take(), Calls{"Register"}) << "no character: the block only";
  EXPECT_EQ(type.saveBlock(unit), SaveAgentBlock({1, 40, 0, 0, 0, 0, 0}));

  ASSERT_TRUE(Load(kWindowId, kUnitId, "C:\\lizhi\\MonkeyKing.acs"));
  Take();
  write(kCharacterLeft, rt::MakeInt(9));
  write(kCharacterWidth, rt::MakeInt(70));
  write(kAutoPopupMenuOff, rt::MakeLogical(false));
  write(kCharacterVisible, rt::MakeLogical(true));
  write(kSpeechEngineId, rt::MakeTextValue("tts"));
  write(kRecognitionEngineId, rt::MakeTextValue("sr"));
  EXPECT_EQ(Take(),
            (Calls{"SetPosition 9 40", "SetSize 70 0", "SetAutoPopupMenu 1", "SetTTSModeID tts", "SetSRModeID sr"}));
  EXPECT_EQ(rt::IntOf(read(kCharacterTop)), 32);
  EXPECT_EQ(rt::IntOf(read(kCharacterHeight)), 129);
  EXPECT_EQ(rt::IntOf(read(kSoundEffectsOff)), 1) << "the server says off";
  EXPECT_EQ(rt::IntOf(read(kAutoPopupMenuOff)), 0);
  EXPECT_EQ(rt::IntOf(read(kCharacterVisible)), 1);
  for (auto [index, expected] : {std::pair{kSpeechEngineId, "tts-1"}, std::pair{kRecognitionEngineId, ""}}) {
    rt::TypedValue text = read(index);
    EXPECT_STREQ(rt::TextOf(text), expected);
    rt::Free(rt::GetPointer(text));
  }
  EXPECT_EQ(Take(), (Calls{"GetPosition", "GetSize", "GetSoundEffectsOn", "GetAutoPopupMenu", "GetVisible",
                           "GetTTSModeID", "GetSRModeID"}));
  EXPECT_EQ(type.saveBlock(unit), SaveAgentBlock({1, 32, 31, 128, 129, 0, 1}));
}

TEST_F(AgentUnitOnFakeServer, SevenNotificationsBecomeEventsTheOthersAreAccepted) {
  ASSERT_NE(Create(), nullptr);
  win::ComPtr<IAgentNotifySinkEx> sink = Sink();
  ASSERT_NE(sink.get(), nullptr);
  void* other = nullptr;
  EXPECT_EQ(sink->QueryInterface(IID_IAgentNotifySink, &other), E_NOINTERFACE);
  EXPECT_EQ(sink->QueryInterface(IID_IDispatch, &other), E_NOINTERFACE);
  ITypeInfo* info = nullptr;
  EXPECT_TRUE(FAILED(sink->GetTypeInfo(0, 0, &info))) << "the agent's type library is not registered here";
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(sink->GetTypeInfo(0, MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), 0), &info),
            DISP_E_UNKNOWNLCID);

  EXPECT_EQ(sink->Click(1, short(0x8001), 10, 20), S_OK);
  sink->RequestStart(11);
  sink->RequestComplete(12, -1);
  sink->Command(13, nullptr);
  sink->DragStart(1, 2, 30, 40);
  sink->DragComplete(1, 3, 50, 60);
  sink->DblClick(1, 1, 70, 80);
  EXPECT_EQ(sink->Idle(1, 1), S_OK);
  EXPECT_EQ(sink->Move(1, 5, 5, 1), S_OK);
  EXPECT_EQ(sink->BalloonVisibleState(1, 1), S_OK);
  sink.reset();

  struct Expected {
    int32_t index, count, a, b, c;
  };
  const Expected expected[] = {{kEventClick, 3, 0x8001, 10, 20},      {kEventRequestStart, 1, 11, 0, 0},
                               {kEventRequestComplete, 2, 12, -1, 0}, {kEventCommand, 1, 13, 0, 0},
                               {kEventDragStart, 3, 2, 30, 40},       {kEventDragComplete, 3, 3, 50, 60},
                               {kEventDblClick, 3, 1, 70, 80}};
  ASSERT_EQ(Events().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const rt::EventRecord& e = Events()[i];
    EXPECT_EQ(e.windowId, kWindowId);
    EXPECT_EQ(e.unitId, kUnitId);
    EXPECT_EQ(e.eventIndex, expected[i].index) << i;
    EXPECT_EQ(e.argCount, expected[i].count) << i;
    EXPECT_EQ(std::vector<int32_t>(e.args, e.args + 3),
              (std::vector<int32_t>{expected[i].a, expected[i].b, expected[i].c}))
        << i;
  }
}

TEST_F(AgentUnitOnFakeServer, DestructionUnloadsUnregistersAndReleasesEverything) {
  ASSERT_NE(Create(), nullptr);
  ASSERT_TRUE(Load(kWindowId, kUnitId, "C:\\lizhi\\MonkeyKing.acs"));
  Take();
  EXPECT_EQ(server_.log.objects, 2);
  parent_.reset();
  EXPECT_EQ(Take(), (Calls{"Unload 1", "Unregister 7"}));
  EXPECT_EQ(server_.log.objects, 0) << "character and server released";
  EXPECT_EQ(server_.log.sink.get(), nullptr);
  EXPECT_FALSE(HasServer(kWindowId, kUnitId));
}

TEST_F(AgentUnitOnFakeServer, DesignModeMakesNoServerCalls) {
  ASSERT_NE(Create(SaveAgentBlock({1, 0, 0, 0, 0, 1, 0}), 1), nullptr);
  EXPECT_FALSE(Load(kWindowId, kUnitId, "C:\\lizhi\\MonkeyKing.acs"));
  EXPECT_EQ(Show(kWindowId, kUnitId), 0);
  EXPECT_EQ(Speak(kWindowId, kUnitId, rt::MakeTextValue("x")), 0);
  parent_.reset();
  EXPECT_TRUE(Take().empty());
}

TEST(AgentUnitWithoutServer, IsMadeAllTheSameAndEveryCommandAnswersNothing) {
  win::Window parent = MakeParent();
  rt::UnitCreateParams p;
  p.parentWindow = parent.get();
  p.windowId = kWindowId;
  p.unitId = kUnitId;
  ASSERT_NE(AgentUnitType().create(p), nullptr);
  EXPECT_FALSE(HasServer(kWindowId, kUnitId));
  EXPECT_FALSE(Load(kWindowId, kUnitId, "C:\\lizhi\\MonkeyKing.acs"));
  EXPECT_EQ(Show(kWindowId, kUnitId) | Hide(kWindowId, kUnitId) | Play(kWindowId, kUnitId, "greeting") |
                MoveTo(kWindowId, kUnitId, 1, 2, 3) | Speak(kWindowId, kUnitId, rt::MakeTextValue("x")),
            0);
  parent.reset();
}

// The program's presenter on the start-up window's agent unit.
// While the tray menu is up, notes it and closes it (the menu's own loop
// dispatches this thread's timers).
bool g_menuSeen = false;
void CALLBACK CloseTrayMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu)) g_menuSeen = true;
  KillTimer(nullptr, timer);
  EndMenu();
}

bool Ignore(const rt::EventRecord&, int32_t&) { return false; }

TEST(AgentPresenterOnFakeServer, ShowLoadsOnceEachOperationMakesItsOneCallAndEventsReachTheCore) {
  test::FakeAgentServer server;
  ASSERT_TRUE(server.registered());
  // The core's own handlers of the agent's Click and DblClick, nothing else.
  app::StartCore();
  static std::array<rt::EventHandler, data::kHandlerCount> handlers;
  handlers.fill(&Ignore);
  for (data::HandlerId id : {data::kOnAgentClick, data::kOnAgentDblClick}) handlers[id] = app::Handlers()[id];
  lizhi::test::BuildStartupWindow(handlers);
  ASSERT_TRUE(HasServer(rt::kStartupWindowId, data::kAgentUnit));
  auto take = [&] { return std::exchange(server.log.calls, {}); };
  EXPECT_EQ(take(), Calls{"Register"});

  const std::string dir = rt::Runtime().programDirectory;
  presenters::ShowAgent();
  const std::string x = std::to_string(GetSystemMetrics(SM_CXSCREEN) - 200);
  const std::string y = std::to_string(GetSystemMetrics(SM_CYSCREEN) - 200);
  EXPECT_EQ(take(), (Calls{"Load " + dir + "\\MonkeyKing.acs", "GetCharacterEx 1", "SetPosition 0 0",
                           "SetSoundEffectsOn 1", "SetAutoPopupMenu 0", "MoveTo " + x + " " + y + " 1", "Show 0"}));
  presenters::HideAgent();
  presenters::ShowAgent();
  presenters::SpeakLine("one");
  presenters::SpeakLine("two");
  EXPECT_EQ(take(), (Calls{"Hide 0", "Show 0", "Speak one|", "Speak two|"}));

  win::ComPtr<IAgentNotifySinkEx> sink;
  ASSERT_NE(server.log.sink.get(), nullptr);
  server.log.sink->QueryInterface(IID_IAgentNotifySinkEx, sink.putVoid());
  ASSERT_NE(sink.get(), nullptr);
  SetTimer(nullptr, 0, 300, &CloseTrayMenu);
  sink->Click(1, 0, 5, 5);
  EXPECT_TRUE(g_menuSeen) << "a click on the character opens the tray menu";
  EXPECT_TRUE(take().empty());
  sink->DblClick(1, 0, 5, 5);
  sink.reset();
  EXPECT_EQ(take(), Calls{"Play greeting"});

  lizhi::test::DestroyStartupWindow();
  EXPECT_EQ(take(), (Calls{"Unload 1", "Unregister 7"}));
}

}  // namespace
}  // namespace lizhi::agent
