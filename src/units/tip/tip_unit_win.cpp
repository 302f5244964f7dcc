#include "units/tip/tip_unit.h"

// The image list's stream reader (commctrl.h) is declared only where IStream
// (objidl.h) is known.
#include <windows.h>
#include <objidl.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "runtime/base/memory.h"
#include "runtime/base/win_handles.h"
#include "runtime/commands/call_form.h"
#include "runtime/frame/unit_host.h"
#include "runtime/frame/unit_windows_win.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/rich_text_drawer.h"
#include "units/tip/tip_engine_win.h"
#include "units/tip/tip_hooks_win.h"
#include "units/tip/tip_properties.h"

namespace lizhi::tip {

namespace {

struct ImageListTraits {
  static constexpr bool kGui = true;
  static HIMAGELIST invalid() { return nullptr; }
  static void close(HIMAGELIST h) { ImageList_Destroy(h); }
};
using ImageList = win::Owned<HIMAGELIST, ImageListTraits>;

struct TipUnit {
  HWND window = nullptr;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  TipProperties properties;
  std::unique_ptr<TipEngine> engine;
  bool applied = false;  // the engine follows the properties and gets relayed messages
  ImageList tipIcons;
  ImageList htmlImages;
  win::Icon shownIcon;  // the icon of the last ShowTipAt, alive while its tip may show
  int32_t keepAutoHide = 0;
};

std::vector<TipUnit*>& LiveUnits() {
  static std::vector<TipUnit*> units;
  return units;
}

TipUnit* FindUnit(uint32_t windowId, uint32_t unitId) {
  for (TipUnit* u : LiveUnits()) {
    if (u->windowId == windowId && u->unitId == unitId) return u;
  }
  return nullptr;
}

TipUnit* Unit(void* unit) { return static_cast<TipUnit*>(unit); }

TipSystemColours CurrentSystemColours() { return {GetSysColor(COLOR_INFOBK), GetSysColor(COLOR_INFOTEXT)}; }

// The image list after the strip's 8-byte header, read by the common
// controls' own reader; null for anything that is not a readable strip.
HIMAGELIST ReadImageStrip(const std::vector<uint8_t>& bytes) {
  if (!IsImageStrip(bytes)) return nullptr;
  const size_t size = bytes.size() - kImageStripHeader;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, bytes.data() + kImageStripHeader, size);
    GlobalUnlock(memory);
  }
  win::ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.put())) || !stream) {
    GlobalFree(memory);
    return nullptr;
  }
  return ImageList_Read(stream.get());
}

int32_t StyleBits(const TipProperties& p) {
  return (p.noHideOnMove ? kStyleNoHideOnMove : 0) | (p.trackMouse ? kStyleTrackMouse : 0) |
         (p.resetDelayOnMove ? kStyleResetDelayOnMove : 0) | (p.keepOverTip ? kStyleKeepOverTip : 0) |
         (p.noAutoHide ? kStyleNoAutoHide : 0);
}

void ApplyStrips(TipUnit& u) {
  u.tipIcons.reset(ReadImageStrip(u.properties.tipIcons));
  u.htmlImages.reset(ReadImageStrip(u.properties.htmlImages));
  if (!u.applied) return;
  int width = 0, height = 0;
  if (u.htmlImages) ImageList_GetIconSize(u.htmlImages.get(), &width, &height);
  u.engine->drawer().SetImageList(u.htmlImages.get(), width, height);
}

void ApplyProperties(TipUnit& u) {
  if (!u.applied) return;
  const TipProperties& p = u.properties;
  TipSettings& s = u.engine->settings();
  TipTool& d = s.defaults;
  d.colours[0] = static_cast<uint32_t>(p.backBegin);
  d.colours[1] = static_cast<uint32_t>(p.backMiddle);
  d.colours[2] = static_cast<uint32_t>(p.backEnd);
  d.effect = p.backEffect;
  d.granularity = p.granularity & 0xFF;
  d.placement = PlacementForDirection(p.direction);
  d.transparency = p.transparency;
  d.style = StyleBits(p);
  s.initialDelay = p.initialDelay;
  s.autoHideDelay = p.autoHideDelay;
  s.fadeInStep = p.fadeInStep;
  s.fadeOutStep = p.fadeOutStep;
  TipLook& look = u.engine->look();
  look.geometry = p.geometry;
  look.borderColour = static_cast<COLORREF>(p.borderColour);
  look.borderWidth = p.borderWidth;
  look.borderHeight = p.borderHeight;
  look.softShadow = p.softShadow != 0;
  look.darkness = p.shadowDarkness;
  look.shadowX = p.shadowOffsetX;
  look.shadowY = p.shadowOffsetY;
  look.blurX = p.shadowBlurX;
  look.blurY = p.shadowBlurY;
  u.engine->drawer().SetStyleSheet(p.styleSheet.c_str());
}

int32_t AsArg(const void* p) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(p)); }

int32_t Fire(TipUnit& u, rt::EventRecord& event) {
  event.windowId = u.windowId;
  event.unitId = u.unitId;
  return static_cast<int32_t>(TipHooks().host(rt::kHostFireEvent, reinterpret_cast<intptr_t>(&event), 0));
}

// BeforeShow: the handler may change the point and the text, and a false
// result cancels the show.
LRESULT OnShowNotification(TipUnit& u, TipShowNotification& n) {
  int32_t x = n.point.x, y = n.point.y;
  char* text = rt::CopyText(*n.text);
  rt::EventRecord event;
  event.eventIndex = kEventBeforeShow;
  event.argCount = 4;
  event.args[0] = AsArg(n.toolWindow);
  event.args[1] = AsArg(&x);
  event.args[2] = AsArg(&y);
  event.args[3] = AsArg(&text);
  Fire(u, event);
  const bool cancelled = event.hasResult && event.result == 0;
  n.point = {x, y};
  n.text->assign(text ? text : "");
  rt::Free(text);
  return cancelled ? 1 : 0;
}

bool OnUnitMessage(void* unit, HWND, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  TipUnit& u = *Unit(unit);
  switch (message) {
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header || header->code != kTipShowNotify || !u.engine || header->hwndFrom != u.engine->window()) {
        return false;
      }
      result = OnShowNotification(u, *reinterpret_cast<TipShowNotification*>(lParam));
      return true;
    }
    case kTipClosedMessage: {
      rt::EventRecord event;
      event.eventIndex = kEventTipClosed;
      Fire(u, event);
      result = 0;
      return true;
    }
    case kTipLinkMessage: {
      rt::EventRecord event;
      event.eventIndex = kEventLink;
      event.argCount = 1;
      event.args[0] = static_cast<int32_t>(lParam);
      Fire(u, event);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

void OnUnitDestroyed(void* unit) {
  TipUnit* u = Unit(unit);
  std::erase(LiveUnits(), u);
  u->engine.reset();  // out of the engine list; the hook goes with the last one
  delete u;
}

// Entry 1.
void* Create(const rt::UnitCreateParams& p) {
  std::optional<TipProperties> properties =
      LoadTipBlock(p.block, p.blockSize, DefaultTipProperties(CurrentSystemColours(), kDefaultStyleSheet));
  if (!properties) return nullptr;
  auto unit = std::make_unique<TipUnit>();
  unit->windowId = p.windowId;
  unit->unitId = p.unitId;
  unit->properties = std::move(*properties);
  TipUnit* u = unit.get();
  u->window = rt::CreateUnitHostWindow(p, u, &OnUnitMessage, &OnUnitDestroyed);
  if (!u->window) return nullptr;
  unit.release();  // the window frees the unit from here on
  LiveUnits().push_back(u);
  if (p.extra == 0) {
    HWND form = GetAncestor(u->window, GA_ROOT);
    u->engine = std::make_unique<TipEngine>(form);
    u->engine->SetNotifyWindow(u->window, static_cast<UINT>(p.controlId));
    u->applied = form && u->engine->ok() && ListTipEngine(u->engine.get());
    if (u->applied) u->engine->drawer().SetLinkTarget(u->window, kTipLinkMessage);
  }
  ApplyProperties(*u);
  ApplyStrips(*u);
  return u;
}

void* WindowOf(void* unit) { return Unit(unit)->window; }

// Entry 4.
void PropertyWritten(void* unit, int32_t ownIndex, int32_t arrayIndex, const rt::TypedValue& value) {
  TipUnit& u = *Unit(unit);
  if (arrayIndex >= 0) return;
  const int32_t index = ownIndex + 8;
  switch (KindOfTipProperty(index)) {
    case TipValueKind::kNumber:
    case TipValueKind::kLogical:
      if (WriteTipNumber(u.properties, index, rt::IntOf(value))) ApplyProperties(u);
      return;
    case TipValueKind::kText: {
      const char* text = rt::TextOf(value);
      u.properties.styleSheet = text ? text : "";
      ApplyProperties(u);
      return;
    }
    case TipValueKind::kBytes: {
      const void* block = rt::GetPointer(value);
      const uint8_t* data = rt::ByteArrayData(block);
      std::vector<uint8_t> bytes(data, data + rt::ByteArrayLength(block));
      (index == kPropTipIcons ? u.properties.tipIcons : u.properties.htmlImages) = std::move(bytes);
      ApplyStrips(u);
      return;
    }
    case TipValueKind::kNone:
      return;
  }
}

// Entry 5.
std::vector<uint8_t> SaveBlock(void* unit) { return SaveTipBlock(Unit(unit)->properties); }

// Entry 6.
bool ReadProperty(void* unit, int32_t ownIndex, rt::TypedValue& out) {
  const TipProperties& p = Unit(unit)->properties;
  const int32_t index = ownIndex + 8;
  switch (KindOfTipProperty(index)) {
    case TipValueKind::kNumber:
      out = rt::MakeInt(*ReadTipNumber(p, index));
      return true;
    case TipValueKind::kLogical:
      out = rt::MakeLogical(*ReadTipNumber(p, index) != 0);
      return true;
    case TipValueKind::kText:
      out = rt::MakeTextValue(rt::CopyText(p.styleSheet));
      return true;
    case TipValueKind::kBytes: {
      const std::vector<uint8_t>& bytes = index == kPropTipIcons ? p.tipIcons : p.htmlImages;
      out = rt::MakeBytesValue(rt::MakeByteArray(bytes.data(), bytes.size()));
      return true;
    }
    case TipValueKind::kNone:
      return false;
  }
  return false;
}

std::string WithIcon(HICON icon, std::string_view text) {
  static constexpr char kFormat[] = "<table><tr><td><icon handle=0x%X></td><td>";
  char head[sizeof kFormat + 16];
  std::snprintf(head, sizeof head, kFormat, static_cast<unsigned>(reinterpret_cast<uintptr_t>(icon)));
  std::string out(head);
  out += text;
  out += "</td></tr></table>";
  return out;
}

bool ShowOn(TipUnit& u, int32_t x, int32_t y, std::string_view text, int32_t iconIndex, int32_t keepAutoHide) {
  if (!u.engine) return true;
  std::string shown(text);
  if (iconIndex >= 0 && u.tipIcons) {
    if (HICON icon = ImageList_GetIcon(u.tipIcons.get(), iconIndex, ILD_NORMAL)) {
      shown = WithIcon(icon, text);
      u.shownIcon.reset(icon);
    }
  }
  u.keepAutoHide = keepAutoHide;
  u.engine->ShowAt(x, y, shown, u.keepAutoHide != 0);
  return true;
}

// ShowTipAt(unit, x, y, text, icon index, keep-auto-hide?) -> logical.
void ShowTipAtMethod(void* unit, rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  const rt::CommandArgs a(argCount, args);
  const int32_t keep = a.count() >= 6 ? a.Int(5) : 0;
  rt::SetLogical(result, ShowOn(*Unit(unit), a.Int(1), a.Int(2), a.Text(3), a.Int(4, -1), keep));
}

constexpr rt::UnitMethod kMethods[] = {{"ShowTipAt", rt::kTypeLogical, &ShowTipAtMethod}};
static_assert(kMethods[kMethodShowTipAt].run == &ShowTipAtMethod);

}  // namespace

bool ShowTipAt(uint32_t windowId, uint32_t unitId, int32_t x, int32_t y, std::string_view text, int32_t iconIndex,
               std::optional<int32_t> keepAutoHide) {
  TipUnit* u = FindUnit(windowId, unitId);
  return u && ShowOn(*u, x, y, text, iconIndex, keepAutoHide.value_or(0));
}

void* TipEngineOf(uint32_t windowId, uint32_t unitId) {
  TipUnit* u = FindUnit(windowId, unitId);
  return u ? u->engine.get() : nullptr;
}

TipUnitHooks DefaultTipHooks() { return {&rt::UnitHostCallback}; }

TipUnitHooks& TipHooks() {
  static TipUnitHooks hooks = DefaultTipHooks();
  return hooks;
}

const rt::UnitType& TipUnitType() {
  static const rt::UnitType type{rt::kUnitTypeTip, "Q_tip",    rt::kTypeFiresEventsToo, &Create, &WindowOf,
                                 &PropertyWritten, &SaveBlock, &ReadProperty,           kMethods};
  return type;
}

}  // namespace lizhi::tip
