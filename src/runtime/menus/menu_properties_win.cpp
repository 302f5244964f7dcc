#include "runtime/menus/menu_properties_win.h"

#include "runtime/base/memory.h"
#include "runtime/base/written_value.h"
#include "runtime/menus/menu_windows_win.h"

namespace lizhi::rt {

namespace {

constexpr uint32_t kMenuInvisible = 1;
constexpr uint32_t kMenuGrayed = 2;
constexpr uint32_t kMenuChecked = 4;

void SetFlag(uint32_t& flags, uint32_t bit, bool on) { flags = on ? (flags | bit) : (flags & ~bit); }

}  // namespace

TypedValue ReadMenuProperty(const UnitRecord& item, int32_t index) {
  switch (index) {
    case 0:
      return MakeTextValue(CopyText(item.menu.caption));
    case 1:
      return MakeLogical(item.menu.flags & kMenuChecked);
    case 2:
      return MakeLogical(item.menu.flags & kMenuGrayed);
    case 3:
      return MakeLogical(!(item.menu.flags & kMenuInvisible));
    default:
      return {};
  }
}

void WriteMenuProperty(void* window, const WindowRecord& record, UnitRecord& item, int32_t index,
                       const TypedValue& value) {
  const MenuItemBody before = item.menu;
  switch (index) {
    case 0:
      if (auto caption = WrittenText(value)) item.menu.caption = *caption;
      break;
    case 1:
      SetFlag(item.menu.flags, kMenuChecked, IntOf(value) != 0);
      break;
    case 2:
      SetFlag(item.menu.flags, kMenuGrayed, IntOf(value) != 0);
      break;
    case 3:
      SetFlag(item.menu.flags, kMenuInvisible, IntOf(value) == 0);
      break;
    default:
      return;
  }
  // The pop-up form is built afresh each time it shows; only the bar is rebuilt.
  if (before.flags != item.menu.flags || before.caption != item.menu.caption)
    RebuildMenuBar(static_cast<HWND>(window), record);
}

}  // namespace lizhi::rt
