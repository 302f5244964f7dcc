#include <windows.h>
#include <ole2.h>
#include <agtsvr.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/base/memory.h"
#include "runtime/base/win_handles.h"
#include "runtime/commands/call_form.h"
#include "runtime/frame/unit_host.h"
#include "runtime/frame/unit_windows_win.h"
#include "units/agent/agent_block.h"
#include "units/agent/agent_com_win.h"
#include "units/agent/agent_sink_win.h"
#include "units/agent/agent_unit.h"

namespace lizhi::agent {

namespace {

constexpr int32_t kNoCharacter = -1;

struct AgentUnit {
  HWND window = nullptr;  // the placeholder
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  bool designMode = false;
  std::optional<win::OleScope> ole;  // outlives the server's pointers below
  AgentPropertyBlock block;
  win::ComPtr<IAgentEx> server;
  win::ComPtr<IAgentCharacterEx> character;
  int32_t characterId = kNoCharacter;
  win::ComPtr<IAgentNotifySinkEx> sink;
  int32_t sinkId = 0;
  std::string speechEngineId;
  std::string recognitionEngineId;
};

std::vector<AgentUnit*>& LiveUnits() {
  static std::vector<AgentUnit*> units;
  return units;
}

AgentUnit* FindUnit(uint32_t windowId, uint32_t unitId) {
  for (AgentUnit* u : LiveUnits()) {
    if (u->windowId == windowId && u->unitId == unitId) return u;
  }
  return nullptr;
}

AgentUnit* Unit(void* unit) { return static_cast<AgentUnit*>(unit); }

void FireEvent(uint32_t windowId, uint32_t unitId, int32_t index, int32_t argCount, const int32_t* args) {
  rt::EventRecord event;
  event.windowId = windowId;
  event.unitId = unitId;
  event.eventIndex = index;
  event.argCount = std::clamp(argCount, 0, 5);
  std::copy(args, args + event.argCount, event.args);
  AgentHooks().host(rt::kHostFireEvent, reinterpret_cast<intptr_t>(&event), 0);
}

// The placeholder: a small face of our own on the button face.
void PaintPlaceholder(HWND window) {
  win::Paint paint(window);
  HDC dc = paint.dc();
  RECT r;
  GetClientRect(window, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  win::Brush face(CreateSolidBrush(RGB(250, 170, 60)));
  win::Brush eye(CreateSolidBrush(RGB(40, 30, 20)));
  {
    win::Selected brush(dc, face.get());
    win::Selected pen(dc, GetStockObject(BLACK_PEN));
    Ellipse(dc, 4, 4, 28, 28);
  }
  win::Selected brush(dc, eye.get());
  win::Selected pen(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, 10, 11, 14, 16);
  Ellipse(dc, 18, 11, 22, 16);
  Arc(dc, 10, 14, 22, 24, 10, 20, 22, 20);
}

// Releases the server side in its order: character, character id, sink, server.
void Disconnect(AgentUnit& u) {
  u.character.reset();
  if (u.characterId != kNoCharacter) {
    if (u.server) u.server->Unload(u.characterId);
    u.characterId = kNoCharacter;
  }
  if (u.sink) {
    if (u.sinkId != 0 && u.server) u.server->Unregister(u.sinkId);
    u.sinkId = 0;
    u.sink.reset();
  }
  u.server.reset();
}

bool OnUnitMessage(void* unit, HWND window, UINT message, WPARAM, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      PaintPlaceholder(window);
      result = 0;
      return true;
    case WM_DESTROY:
      Disconnect(*Unit(unit));
      return false;
    default:
      return false;
  }
}

void OnUnitDestroyed(void* unit) {
  AgentUnit* u = Unit(unit);
  std::erase(LiveUnits(), u);
  Disconnect(*u);
  u->ole.reset();
  delete u;
}

bool Connect(AgentUnit& u) {
  if (!u.ole.emplace().ok()) return false;
  if (FAILED(CoCreateInstance(CLSID_AgentServer, nullptr, CLSCTX_LOCAL_SERVER, IID_IAgentEx, u.server.putVoid())) ||
      !u.server) {
    u.server.reset();
    return true;  // no server: the unit stays, inert
  }
  u.sink = win::ComPtr<IAgentNotifySinkEx>(MakeAgentSink(u.windowId, u.unitId, &FireEvent));
  __LONG32 id = 0;
  if (SUCCEEDED(u.server->Register(u.sink.get(), &id))) u.sinkId = id;
  return true;
}

// Entry 1.
void* Create(const rt::UnitCreateParams& p) {
  std::optional<AgentPropertyBlock> block = LoadAgentBlock(p.block, p.blockSize);
  if (!block) return nullptr;
  auto unit = std::make_unique<AgentUnit>();
  unit->windowId = p.windowId;
  unit->unitId = p.unitId;
  unit->designMode = p.extra != 0;
  unit->block = *block;
  rt::UnitCreateParams placeholder = p;
  placeholder.width = placeholder.height = 32;
  AgentUnit* u = unit.get();
  win::Window window(rt::CreateUnitHostWindow(placeholder, u, &OnUnitMessage, &OnUnitDestroyed));
  if (!window) return nullptr;
  unit.release();  // the window frees the unit from here on
  u->window = window.get();
  LiveUnits().push_back(u);
  // A unit that cannot connect goes with its window.
  if (!u->designMode && !Connect(*u)) return nullptr;
  window.release();  // the form's, with the unit, from here on
  return u;
}

void* WindowOf(void* unit) { return Unit(unit)->window; }

// The speech and recognition engine ids through the server.
using GetModeId = HRESULT (WINAPI IAgentCharacterEx::*)(BSTR*);
using SetModeId = HRESULT (WINAPI IAgentCharacterEx::*)(BSTR);

// Entry 4.
void PropertyWritten(void* unit, int32_t ownIndex, int32_t arrayIndex, const rt::TypedValue& value) {
  AgentUnit& u = *Unit(unit);
  if (arrayIndex >= 0) return;
  const int32_t index = ownIndex + 8;
  IAgentCharacterEx* c = u.character.get();
  if (index == kSpeechEngineId || index == kRecognitionEngineId) {
    if (!c) return;
    const char* text = value.type == rt::kTypeText ? rt::TextOf(value) : nullptr;
    win::Bstr id(WideFromLocal(text ? text : ""));
    if (index == kSpeechEngineId) {
      c->SetTTSModeID(id.get());
    } else {
      c->SetSRModeID(id.get());
    }
    return;
  }
  int32_t* field = BlockField(u.block, index);
  if (!field) return;  // CharacterVisible is read only
  const int32_t v = rt::IntOf(value);
  *field = IsInvertedProperty(index) ? (v == 0 ? 1 : 0) : v;
  if (!c) return;
  switch (index) {
    case kCharacterTop:
    case kCharacterLeft:
      c->SetPosition(u.block.left, u.block.top);
      return;
    case kCharacterWidth:
    case kCharacterHeight:
      c->SetSize(u.block.width, u.block.height);
      return;
    case kSoundEffectsOff:
      c->SetSoundEffectsOn(u.block.soundEffectsOn);
      return;
    case kAutoPopupMenuOff:
      c->SetAutoPopupMenu(u.block.autoPopupMenuOn);
      return;
    default:
      return;
  }
}

// Entry 5.
std::vector<uint8_t> SaveBlock(void* unit) { return SaveAgentBlock(Unit(unit)->block); }

std::string ReadModeId(IAgentCharacterEx* c, GetModeId get) {
  win::Bstr id;
  if (FAILED((c->*get)(id.put()))) return {};
  return LocalFromWide(id.get(), id.get() ? SysStringLen(id.get()) : 0);
}

// Entry 6. With a character the server answers first, and what it says is kept.
bool ReadProperty(void* unit, int32_t ownIndex, rt::TypedValue& out) {
  AgentUnit& u = *Unit(unit);
  const int32_t index = ownIndex + 8;
  IAgentCharacterEx* c = u.character.get();
  AgentPropertyBlock& b = u.block;
  switch (index) {
    case kCharacterTop:
    case kCharacterLeft: {
      __LONG32 left = 0, top = 0;
      if (c && SUCCEEDED(c->GetPosition(&left, &top))) b.left = left, b.top = top;
      out = rt::MakeInt(index == kCharacterTop ? b.top : b.left);
      return true;
    }
    case kCharacterWidth:
    case kCharacterHeight: {
      __LONG32 width = 0, height = 0;
      if (c && SUCCEEDED(c->GetSize(&width, &height))) b.width = width, b.height = height;
      out = rt::MakeInt(index == kCharacterWidth ? b.width : b.height);
      return true;
    }
    case kSoundEffectsOff: {
      __LONG32 on = 0;
      if (c && SUCCEEDED(c->GetSoundEffectsOn(&on))) b.soundEffectsOn = on;
      out = rt::MakeLogical(b.soundEffectsOn == 0);
      return true;
    }
    case kAutoPopupMenuOff: {
      __LONG32 on = 0;
      if (c && SUCCEEDED(c->GetAutoPopupMenu(&on))) b.autoPopupMenuOn = on;
      out = rt::MakeLogical(b.autoPopupMenuOn == 0);
      return true;
    }
    case kCharacterVisible: {
      __LONG32 visible = 0;
      out = rt::MakeLogical(c && SUCCEEDED(c->GetVisible(&visible)) && visible != 0);
      return true;
    }
    case kSpeechEngineId:
    case kRecognitionEngineId: {
      std::string& cached = index == kSpeechEngineId ? u.speechEngineId : u.recognitionEngineId;
      if (c)
        cached = ReadModeId(
            c, index == kSpeechEngineId ? &IAgentCharacterEx::GetTTSModeID : &IAgentCharacterEx::GetSRModeID);
      out = rt::MakeTextValue(rt::CopyText(cached));
      return true;
    }
    default:
      return false;
  }
}

// The request id a call gave back, or 0 when it failed.
template <typename Call>
int32_t RequestOf(Call call) {
  __LONG32 request = 0;
  return SUCCEEDED(call(&request)) ? request : 0;
}

bool LoadOn(AgentUnit* u, std::optional<std::string_view> path) {
  if (!u || !u->server) return false;
  VARIANT key;
  VariantInit(&key);
  if (path && PathIsLoadKey(*path)) {
    const std::wstring wide = WideFromLocal(*path);
    key.vt = VT_BSTR;
    key.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  __LONG32 characterId = 0, request = 0;
  const HRESULT loaded = u->server->Load(key, &characterId, &request);
  VariantClear(&key);
  if (FAILED(loaded)) return false;
  // A character loaded before stays the server's until the unit goes.
  if (u->characterId != kNoCharacter && u->characterId != characterId) u->server->Unload(u->characterId);
  u->characterId = characterId;
  if (FAILED(u->server->GetCharacterEx(characterId, u->character.put())) || !u->character) {
    u->character.reset();
    return false;
  }
  const AgentPropertyBlock& b = u->block;
  u->character->SetPosition(b.left, b.top);
  if (b.width > 0 && b.height > 0) u->character->SetSize(b.width, b.height);
  u->character->SetSoundEffectsOn(b.soundEffectsOn);
  u->character->SetAutoPopupMenu(b.autoPopupMenuOn);
  return true;
}

IAgentCharacterEx* CharacterOf(AgentUnit* u) { return u ? u->character.get() : nullptr; }

int32_t ShowOn(AgentUnit* u) {
  IAgentCharacterEx* c = CharacterOf(u);
  return c ? RequestOf([&](__LONG32* r) { return c->Show(0, r); }) : 0;
}

int32_t HideOn(AgentUnit* u) {
  IAgentCharacterEx* c = CharacterOf(u);
  return c ? RequestOf([&](__LONG32* r) { return c->Hide(0, r); }) : 0;
}

int32_t SpeakOn(AgentUnit* u, const rt::TypedValue& text, std::optional<std::string_view> url) {
  IAgentCharacterEx* c = CharacterOf(u);
  if (!c) return 0;
  std::wstring words;
  if (rt::BaseType(text.type) == rt::kTypeBytes) {
    // UTF-16 units as they stand; an odd last byte is no unit.
    if (const void* block = rt::GetPointer<const void>(text)) {
      const uint8_t* data = rt::ByteArrayData(block);
      const size_t units = rt::ByteArrayLength(block) / 2;
      words.resize(units);
      for (size_t i = 0; i < units; ++i) words[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
  } else if (rt::BaseType(text.type) == rt::kTypeText) {
    const char* t = rt::TextOf(text);
    words = WideFromLocal(t ? t : "");
  }
  win::Bstr spoken(words);
  win::Bstr link(WideFromLocal(url.value_or(std::string_view())));
  return RequestOf([&](__LONG32* r) { return c->Speak(spoken.get(), link.get(), r); });
}

int32_t PlayOn(AgentUnit* u, std::string_view animation) {
  IAgentCharacterEx* c = CharacterOf(u);
  if (!c) return 0;
  win::Bstr name(WideFromLocal(animation));
  return RequestOf([&](__LONG32* r) { return c->Play(name.get(), r); });
}

int32_t MoveToOn(AgentUnit* u, int32_t x, int32_t y, int32_t speed) {
  IAgentCharacterEx* c = CharacterOf(u);
  return c ? RequestOf([&](__LONG32* r) { return c->MoveTo(CutTo16(x), CutTo16(y), speed, r); }) : 0;
}

// The commands in the frame's calling form; argument 0 is the unit.
std::optional<std::string_view> OptionalText(const rt::CommandArgs& a, int32_t i) {
  if (!a.Given(i)) return std::nullopt;
  return a.Text(i);
}
void LoadMethod(void* unit, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  rt::SetLogical(result, LoadOn(Unit(unit), OptionalText(rt::CommandArgs(argCount, args), 1)));
}
void ShowMethod(void* unit, rt::TypedValue& result, int32_t, const rt::TypedValue*) {
  rt::SetInt(result, ShowOn(Unit(unit)));
}
void HideMethod(void* unit, rt::TypedValue& result, int32_t, const rt::TypedValue*) {
  rt::SetInt(result, HideOn(Unit(unit)));
}
void SpeakMethod(void* unit, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  const rt::CommandArgs a(argCount, args);
  rt::SetInt(result, SpeakOn(Unit(unit), a[1], OptionalText(a, 2)));
}
void PlayMethod(void* unit, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  rt::SetInt(result, PlayOn(Unit(unit), rt::CommandArgs(argCount, args).Text(1)));
}
void MoveToMethod(void* unit, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  const rt::CommandArgs a(argCount, args);
  rt::SetInt(result, MoveToOn(Unit(unit), a.Int(1), a.Int(2), a.Int(3)));
}

constexpr rt::UnitMethod kMethods[] = {
    {"Load", rt::kTypeLogical, &LoadMethod}, {"Show", rt::kTypeInt, &ShowMethod},
    {"Hide", rt::kTypeInt, &HideMethod},     {"Speak", rt::kTypeInt, &SpeakMethod},
    {"Play", rt::kTypeInt, &PlayMethod},     {"MoveTo", rt::kTypeInt, &MoveToMethod},
};
static_assert(kMethods[kMethodLoad].run == &LoadMethod && kMethods[kMethodMoveTo].run == &MoveToMethod);

}  // namespace

bool Load(uint32_t windowId, uint32_t unitId, std::optional<std::string_view> path) {
  return LoadOn(FindUnit(windowId, unitId), path);
}
int32_t Show(uint32_t windowId, uint32_t unitId) { return ShowOn(FindUnit(windowId, unitId)); }
int32_t Hide(uint32_t windowId, uint32_t unitId) { return HideOn(FindUnit(windowId, unitId)); }
int32_t Speak(uint32_t windowId, uint32_t unitId, const rt::TypedValue& text, std::optional<std::string_view> url) {
  return SpeakOn(FindUnit(windowId, unitId), text, url);
}
int32_t Play(uint32_t windowId, uint32_t unitId, std::string_view animation) {
  return PlayOn(FindUnit(windowId, unitId), animation);
}
int32_t MoveTo(uint32_t windowId, uint32_t unitId, int32_t x, int32_t y, int32_t speed) {
  return MoveToOn(FindUnit(windowId, unitId), x, y, speed);
}

void FireMouseEvent(uint32_t windowId, uint32_t unitId, int32_t index, int32_t keys, int32_t x, int32_t y) {
  const int32_t args[] = {keys & 0xFFFF, x, y};
  FireEvent(windowId, unitId, index, 3, args);
}

bool HasServer(uint32_t windowId, uint32_t unitId) {
  AgentUnit* u = FindUnit(windowId, unitId);
  return u && u->server;
}

bool HasCharacter(uint32_t windowId, uint32_t unitId) { return CharacterOf(FindUnit(windowId, unitId)) != nullptr; }

AgentUnitHooks& AgentHooks() {
  static AgentUnitHooks hooks{&rt::UnitHostCallback};
  return hooks;
}

const rt::UnitType& AgentUnitType() {
  static const rt::UnitType type{rt::kUnitTypeAgent, "AgentUnit", rt::kTypeFiresEvents, &Create, &WindowOf,
                                 &PropertyWritten,   &SaveBlock,  &ReadProperty,        kMethods};
  return type;
}

}  // namespace lizhi::agent
