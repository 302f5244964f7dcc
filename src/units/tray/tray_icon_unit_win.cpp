#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/base/win_handles.h"
#include "runtime/base/window_class_win.h"
#include "runtime/base/written_value.h"
#include "runtime/frame/unit_host.h"
#include "units/tray/icon_handle_win.h"
#include "units/tray/locator_win.h"
#include "units/tray/mouse_events.h"
#include "units/tray/property_block.h"
#include "units/tray/taskbar_filter_win.h"
#include "units/tray/tip_text.h"
#include "units/tray/tray_hooks_win.h"
#include "units/tray/tray_icon_unit.h"

namespace lizhi::tray {

namespace {

constexpr char kWindowClass[] = "LizhiTrayIcon";
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;  // 0x40100
// The record with balloon fields (Windows 2000 and later, 32-bit): 488 bytes.
constexpr DWORD kRecordSize = 488;
static_assert(sizeof(NOTIFYICONDATAA) >= kRecordSize && offsetof(NOTIFYICONDATAA, szTip) + 128 <= kRecordSize);
constexpr UINT kRecordFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr int kDesignIconSize = 16;
constexpr UINT_PTR kAddRetryTimer = 1;

struct TrayIcon {
  HWND window = nullptr;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  intptr_t extra = 0;
  TrayIconProperties properties;
  win::Icon icon;
  // The held icon was made from the current icon bytes; after unreadable bytes
  // the previous icon is kept for the design surface but not shown in the tray.
  bool iconCurrent = false;
  bool added = false;
  bool listed = false;
  int addRetriesLeft = 0;  // while positive the retry timer runs
  NOTIFYICONDATAA record{};
  TrayIconLocator locator{CurrentOsVersion()};
  ShellLocatorPlatform platform;
  IconPositionReads reads;

  // For the window class: every message of the unit's window.
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

TrayIcon* Unit(void* unit) { return static_cast<TrayIcon*>(unit); }

void FillRecord(TrayIcon& t) {
  t.record.cbSize = kRecordSize;
  t.record.hWnd = t.window;
  t.record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(t.window));
  t.record.uFlags = kRecordFlags;
  t.record.uCallbackMessage = kTrayCallbackMessage;
  t.record.hIcon = t.icon.get();
  CopyTipField(t.properties.tip, t.record.szTip, sizeof t.record.szTip);
}

void HandToLocator(TrayIcon& t) {
  t.platform.Hold(t.record);
  t.locator.SetRecordIdentity(reinterpret_cast<uintptr_t>(t.record.hWnd), static_cast<intptr_t>(t.record.uID));
}

bool Wanted(const TrayIcon& t) { return !t.properties.icon.empty() && t.properties.showInTray && t.iconCurrent; }

void StopRetrying(TrayIcon& t) {
  if (t.addRetriesLeft <= 0) return;
  t.addRetriesLeft = 0;
  KillTimer(t.window, kAddRetryTimer);
}

void Accepted(TrayIcon& t) {
  t.added = true;
  HandToLocator(t);
  StopRetrying(t);
}

void Add(TrayIcon& t) {
  if (!Wanted(t)) return StopRetrying(t);
  FillRecord(t);
  if (TrayHooks().shellNotify(NIM_ADD, &t.record)) return Accepted(t);
  // Quietly again later; a "TaskbarCreated" also brings a fresh add.
  t.addRetriesLeft = TrayHooks().addRetryCount;
  if (t.addRetriesLeft > 0 && !SetTimer(t.window, kAddRetryTimer, TrayHooks().addRetryMs, nullptr)) {
    t.addRetriesLeft = 0;
  }
}

void RetryAdd(TrayIcon& t) {
  if (t.added || !Wanted(t)) return StopRetrying(t);
  FillRecord(t);
  // An add that timed out may have been done all the same: then a change of
  // the icon succeeds, and a second add would fail as a duplicate.
  if (TrayHooks().shellNotify(NIM_MODIFY, &t.record) || TrayHooks().shellNotify(NIM_ADD, &t.record)) {
    return Accepted(t);
  }
  if (--t.addRetriesLeft <= 0) StopRetrying(t);
}

void Update(TrayIcon& t) {
  if (!t.added) return Add(t);
  FillRecord(t);
  HandToLocator(t);
  TrayHooks().shellNotify(NIM_MODIFY, &t.record);
}

void Remove(TrayIcon& t) {
  if (TrayHooks().shellNotify(NIM_DELETE, &t.record)) t.added = false;
}

void ReAdd(void* instance) {
  TrayIcon& t = *Unit(instance);
  t.added = false;
  Add(t);
}

// A fatal error ends the process without destroying any window; the icons
// leave the tray all the same, instead of staying until the user hovers them.
void RemoveEveryIcon() {
  ForEachTrayInstance([](void* instance) { Remove(*Unit(instance)); });
}

void FireMouseEvent(TrayIcon& t, LPARAM lParam) {
  std::optional<TrayEventMapping> mapping = EventForMouseMessage(static_cast<uint32_t>(LOWORD(lParam)));
  if (!mapping) return;
  rt::EventRecord event;
  event.windowId = t.windowId;
  event.unitId = t.unitId;
  event.eventIndex = mapping->eventIndex;
  if (mapping->withCursor) {
    POINT cursor{};
    GetCursorPos(&cursor);
    event.argCount = 2;
    event.args[0] = cursor.x;
    event.args[1] = cursor.y;
  }
  TrayHooks().host(rt::kHostFireEvent, reinterpret_cast<intptr_t>(&event), 0);
}

// How the unit looks on a design surface: a button-face box with the icon at
// 16 x 16 in its middle.
void PaintDesignSurface(TrayIcon& t) {
  win::Paint paint(t.window);
  HDC dc = paint.dc();
  RECT client{};
  GetClientRect(t.window, &client);
  win::Brush brush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  {
    win::Selected selected(dc, brush.get());
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
  }
  if (t.icon) {
    int x = (client.right - kDesignIconSize) / 2, y = (client.bottom - kDesignIconSize) / 2;
    if (x < 1) x = 2;
    if (y < 1) y = 2;
    if (!DrawIconEx(dc, x, y, t.icon.get(), kDesignIconSize, kDesignIconSize, 0, nullptr, DI_NORMAL)) {
      DrawIcon(dc, 10, 10, t.icon.get());
    }
  }
}

// The last message a unit's window gets: the unit leaves the tray and the
// instance list, tells the frame and is freed.
void OnDestroyed(TrayIcon* t) {
  if (!t->listed) return;  // creation failed half-way; Create frees the unit
  StopRetrying(*t);
  Remove(*t);
  t->icon.reset();
  UnlistTrayInstance(t);
  TrayHooks().host(rt::kHostUnitDestroyed, t->windowId, t->unitId);
  delete t;
}

LRESULT TrayIcon::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window = hwnd;
      return DefWindowProcA(hwnd, message, wParam, lParam);
    case kTrayCallbackMessage:
      FireMouseEvent(*this, lParam);
      return 0;
    case WM_PAINT:
      PaintDesignSurface(*this);
      return 0;
    case WM_TIMER:
      if (wParam != kAddRetryTimer) return DefWindowProcA(hwnd, message, wParam, lParam);
      RetryAdd(*this);
      return 0;
    case WM_NCDESTROY:
      OnDestroyed(this);
      return DefWindowProcA(hwnd, message, wParam, lParam);
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

bool RegisterWindowClass() {
  return win::RegisterObjectClass<TrayIcon>(kWindowClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
}

// Entry 1.
void* Create(const rt::UnitCreateParams& p) {
  auto t = std::make_unique<TrayIcon>();
  t->windowId = p.windowId;
  t->unitId = p.unitId;
  t->extra = p.extra;
  TaskbarCreatedMessage();
  rt::AddFatalCleanup(&RemoveEveryIcon);

  std::optional<TrayIconProperties> properties = LoadTrayIconBlock(p.block, p.blockSize);
  if (!properties) return nullptr;
  t->properties = std::move(*properties);
  t->icon.reset(SmallIconFromFileData(t->properties.icon.data(), t->properties.icon.size()));
  t->iconCurrent = static_cast<bool>(t->icon);

  if (!RegisterWindowClass()) return nullptr;
  HWND window =
      CreateWindowExA(kExStyle, kWindowClass, "", p.style | WS_CHILD | WS_CLIPSIBLINGS, p.left, p.top, p.width,
                      p.height, static_cast<HWND>(p.parentWindow),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.controlId)), GetModuleHandleA(nullptr), t.get());
  if (!window) return nullptr;

  // From here the window owns the unit and frees it when destroyed.
  TrayIcon* unit = t.release();
  FillRecord(*unit);
  unit->listed = true;
  ListTrayInstance(unit, window, &ReAdd);
  Update(*unit);
  return unit;
}

void* WindowOf(void* unit) { return Unit(unit)->window; }

void WriteIcon(TrayIcon& t, const rt::TypedValue& value) {
  // Only a byte array carries an icon; a value of another kind changes nothing.
  std::optional<std::span<const uint8_t>> bytes = rt::WrittenBytes(value);
  if (!bytes) return;
  t.properties.icon.assign(bytes->begin(), bytes->end());
  if (t.properties.icon.empty()) {
    InvalidateRect(t.window, nullptr, TRUE);
    Remove(t);
    t.icon.reset();
    t.iconCurrent = false;
    return;
  }
  HICON icon = SmallIconFromFileData(t.properties.icon.data(), t.properties.icon.size());
  if (!icon) {
    Remove(t);
    t.iconCurrent = false;
    return;
  }
  t.icon.reset(icon);
  t.iconCurrent = true;
  InvalidateRect(t.window, nullptr, TRUE);
  Update(t);
}

// Entry 4.
void PropertyWritten(void* unit, int32_t ownIndex, int32_t arrayIndex, const rt::TypedValue& value) {
  TrayIcon& t = *Unit(unit);
  t.reads.Interrupt();
  if (arrayIndex >= 0) return;  // only whole values are written
  switch (ownIndex) {
    case kOwnIcon:
      WriteIcon(t, value);
      break;
    case kOwnTipText:
      if (auto tip = rt::WrittenText(value)) {
        t.properties.tip = std::string(*tip);
        Update(t);
      }
      break;
    case kOwnShowInTray:
      t.properties.showInTray = rt::IntOf(value) != 0;
      if (t.properties.showInTray) {
        Update(t);
      } else {
        Remove(t);
      }
      break;
    default:
      break;
  }
}

// Entry 5.
std::vector<uint8_t> SaveBlock(void* unit) { return SaveTrayIconBlock(Unit(unit)->properties); }

int32_t IconScreenCoordinate(TrayIcon& t, bool wantX) {
  auto shellRect = [&t]() -> std::optional<ScreenRect> {
    std::optional<ScreenRect> icon = TrayHooks().iconRect(t.window, t.record.uID);
    if (!icon) return icon;
    return VisibleIconRect(*icon, TaskbarRect(TrayHooks().taskbarClass),
                           FindNotificationArea(TrayHooks().taskbarClass).rect);
  };
  auto locate = [&t] {
    t.locator.ForgetProbeTime();
    return t.locator.Locate(0, t.platform);
  };
  return t.reads.Read(wantX, t.locator.HasRecord(), shellRect, locate);
}

// Entry 6.
bool ReadProperty(void* unit, int32_t ownIndex, rt::TypedValue& out) {
  TrayIcon& t = *Unit(unit);
  switch (ownIndex) {
    case kOwnIcon:
      t.reads.Interrupt();
      out = rt::MakeBytesValue(rt::MakeByteArray(t.properties.icon.data(), t.properties.icon.size()));
      return true;
    case kOwnTipText:
      t.reads.Interrupt();
      out = rt::MakeTextValue(rt::CopyText(t.properties.tip));
      return true;
    case kOwnShowInTray:
      t.reads.Interrupt();
      out = rt::MakeLogical(t.properties.showInTray);
      return true;
    case kOwnIconScreenX:
    case kOwnIconScreenY:
      out = rt::MakeInt(IconScreenCoordinate(t, ownIndex == kOwnIconScreenX));
      return true;
    default:
      return false;
  }
}

}  // namespace

// NOTIFYICONIDENTIFIER, declared here so that the program still starts on
// systems whose shell32 lacks the call.
struct IconIdentifier {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  GUID guidItem;
};

std::optional<ScreenRect> ShellIconRect(HWND owner, UINT id) {
  using GetRect = HRESULT(WINAPI*)(const IconIdentifier*, RECT*);
  static const GetRect getRect = [] {
    HMODULE shell = GetModuleHandleA("shell32.dll");
    return shell ? reinterpret_cast<GetRect>(reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconGetRect")))
                 : nullptr;
  }();
  if (!getRect) return std::nullopt;
  IconIdentifier identifier{sizeof(IconIdentifier), owner, id, {}};
  RECT rect{};
  if (getRect(&identifier, &rect) != S_OK || rect.right <= rect.left || rect.bottom <= rect.top) return std::nullopt;
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

TrayIconHooks DefaultTrayHooks() {
  // A refused add is tried again every 2 s for 2 minutes.
  return {&rt::UnitHostCallback, &Shell_NotifyIconA, "Shell_TrayWnd", &CaptureAndScan, &ShellIconRect, 2000, 60};
}

TrayIconHooks& TrayHooks() {
  static TrayIconHooks hooks = DefaultTrayHooks();
  return hooks;
}

const rt::UnitType& TrayIconUnitType() {
  static const rt::UnitType type{rt::kUnitTypeTrayIcon, "TrayIcon", rt::kTypeFiresEvents, &Create, &WindowOf,
                                 &PropertyWritten,      &SaveBlock, &ReadProperty};
  return type;
}

TrayIconState CurrentTrayIconState(const void* unit) {
  const auto& t = *static_cast<const TrayIcon*>(unit);
  TrayIconState state;
  state.window = t.window;
  state.icon = t.icon.get();
  state.added = t.added;
  state.locatorHasRecord = t.locator.HasRecord();
  state.showInTray = t.properties.showInTray;
  state.iconBytes = t.properties.icon.size();
  state.tip.assign(t.record.szTip, strnlen(t.record.szTip, sizeof t.record.szTip));
  return state;
}

}  // namespace lizhi::tray
