// The Q_tip unit: a balloon tip box on a window. Its properties (indexes 12 to
// 75, see tip_properties.h) shape the tip engine behind it; ShowTipAt shows a
// tip at a screen point. Events: 0 LinkEvent (the event text), 1 BeforeShow
// (owning window, x and y by reference, the text by reference; false cancels),
// 2 TipClosed.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/frame/unit_type.h"

namespace lizhi::tip {

const rt::UnitType& TipUnitType();

enum TipEvent : int32_t { kEventLink = 0, kEventBeforeShow = 1, kEventTipClosed = 2 };

// The unit's methods by index, for the frame's calling form: ShowTipAt takes
// the unit, x, y, the text, an icon index and an optional keep-auto-hide.
enum TipMethod : int32_t { kMethodShowTipAt = 0 };

// ShowTipAt of the unit (window id, unit id) found among the live tips, not
// through the frame: false when there is no such unit. An icon index of 0 or
// more takes that icon of TipIcons beside the text.
// Without keep-auto-hide (or 0) the tip is not hidden by its timer.
bool ShowTipAt(uint32_t windowId, uint32_t unitId, int32_t x, int32_t y, std::string_view text, int32_t iconIndex,
               std::optional<int32_t> keepAutoHide = std::nullopt);

// The unit's engine (a TipEngine*), for tests; null when there is none.
void* TipEngineOf(uint32_t windowId, uint32_t unitId);

}  // namespace lizhi::tip
