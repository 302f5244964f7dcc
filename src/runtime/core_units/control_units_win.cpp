// Label and Button: ordinary Windows controls on the window. The label shows its
// caption in its stored font; the button fires event 0 when clicked (the
// window reflects BN_CLICKED to it). Both fire -7/-8 on focus changes.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "runtime/base/memory.h"
#include "runtime/base/screen_area.h"
#include "runtime/base/win_handles.h"
#include "runtime/base/written_value.h"
#include "runtime/core_units/core_units.h"
#include "runtime/frame/unit_host.h"
#include "runtime/template/unit_blocks.h"

namespace lizhi::rt {

namespace {

constexpr UINT_PTR kFocusSubclassId = 1;

struct ControlUnit {
  HWND window = nullptr;
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  std::string caption;
  LabelBlock label;  // labels only
  win::Font font;    // labels only
  bool isButton = false;
};

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* unit = reinterpret_cast<ControlUnit*>(data);
  switch (message) {
    case WM_SETFOCUS:
      FireUnitEvent(unit->windowId, unit->unitId, kEventFocusGained);
      break;
    case WM_KILLFOCUS:
      FireUnitEvent(unit->windowId, unit->unitId, kEventFocusLost);
      break;
    case WM_NCDESTROY: {
      RemoveWindowSubclass(window, &ControlProc, kFocusSubclassId);
      UnitHostCallback(kHostUnitDestroyed, unit->windowId, unit->unitId);
      LRESULT r = DefSubclassProc(window, message, wParam, lParam);
      delete unit;
      return r;
    }
    case WM_APP:  // a click reflected by the window
      if (unit->isButton) FireUnitEvent(unit->windowId, unit->unitId, 0);
      return 0;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

ControlUnit* CreateControl(const UnitCreateParams& p, const char* className, DWORD style, ControlUnit* unit) {
  unit->windowId = p.windowId;
  unit->unitId = p.unitId;
  unit->window =
      CreateWindowExA(0, className, unit->caption.c_str(), WS_CHILD | style, p.left, p.top, p.width, p.height,
                      static_cast<HWND>(p.parentWindow), reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.controlId)),
                      GetModuleHandleA(nullptr), nullptr);
  if (!unit->window) {
    delete unit;
    return nullptr;
  }
  SetWindowSubclass(unit->window, &ControlProc, kFocusSubclassId, reinterpret_cast<DWORD_PTR>(unit));
  return unit;
}

// The stored font, its height scaled from 96 dpi to `dpi`.
void UseLabelFont(ControlUnit& unit, int32_t dpi) {
  if (unit.label.fontFace.empty()) return;
  LOGFONTA lf{};
  lf.lfHeight = screen::Scale(unit.label.fontHeight, dpi);
  lf.lfWeight = unit.label.fontWeight;
  lf.lfCharSet = static_cast<BYTE>(unit.label.charset);
  lstrcpynA(lf.lfFaceName, unit.label.fontFace.c_str(), LF_FACESIZE);
  win::Font font(CreateFontIndirectA(&lf));
  if (!font) return;
  SendMessageA(unit.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  unit.font = std::move(font);
}

void* CreateLabel(const UnitCreateParams& p) {
  auto block = DecodeLabelBlock(std::vector<uint8_t>(p.block, p.block + p.blockSize));
  if (!block) return nullptr;
  auto* unit = new ControlUnit;
  unit->label = *block;
  unit->caption = block->caption;
  if (!CreateControl(p, "STATIC", SS_LEFT | SS_NOPREFIX, unit)) return nullptr;
  UseLabelFont(*unit, screen::kBaseDpi);
  return unit;
}

void* CreateButton(const UnitCreateParams& p) {
  auto block = DecodeButtonBlock(std::vector<uint8_t>(p.block, p.block + p.blockSize));
  if (!block) return nullptr;
  auto* unit = new ControlUnit;
  unit->isButton = true;
  unit->caption = block->caption;
  if (!CreateControl(p, "BUTTON", BS_PUSHBUTTON, unit)) return nullptr;
  SendMessageA(unit->window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return unit;
}

void* WindowOf(void* unit) { return static_cast<ControlUnit*>(unit)->window; }

void CaptionWritten(void* object, int32_t ownIndex, int32_t, const TypedValue& value) {
  auto* unit = static_cast<ControlUnit*>(object);
  // A label's second property: the DPI its font is made for (96 as stored).
  if (ownIndex == 1 && !unit->isButton && BaseType(value.type) == kTypeInt) {
    if (IntOf(value) > 0) UseLabelFont(*unit, IntOf(value));
    return;
  }
  std::optional<std::string_view> caption = WrittenText(value);
  if (ownIndex != 0 || !caption) return;
  unit->caption = *caption;
  SetWindowTextA(unit->window, unit->caption.c_str());
}

bool ReadCaption(void* object, int32_t ownIndex, TypedValue& out) {
  if (ownIndex != 0) return false;
  out = MakeTextValue(CopyText(static_cast<ControlUnit*>(object)->caption));
  return true;
}

std::vector<uint8_t> SaveLabel(void* object) {
  auto* unit = static_cast<ControlUnit*>(object);
  LabelBlock b = unit->label;
  b.caption = unit->caption;
  return EncodeBlock(b);
}

std::vector<uint8_t> SaveButton(void* object) {
  return EncodeBlock(ButtonBlock{static_cast<ControlUnit*>(object)->caption});
}

}  // namespace

const UnitType& LabelUnitType() {
  static const UnitType type{kUnitTypeLabel, "Label",         kTypeFiresEvents, &CreateLabel,
                             &WindowOf,      &CaptionWritten, &SaveLabel,       &ReadCaption};
  return type;
}

const UnitType& ButtonUnitType() {
  static const UnitType type{kUnitTypeButton, "Button",        kTypeFiresEvents, &CreateButton,
                             &WindowOf,       &CaptionWritten, &SaveButton,      &ReadCaption};
  return type;
}

}  // namespace lizhi::rt
