// The pause and the away rule in the running program: the pause submenu's
// commands, and the marks of a pause (the tray icon in greys, the tip naming
// its end, "继续" in place of the three lengths).
#pragma once
#include <string>
#include <string_view>

#include "app/core_host.h"

namespace lizhi::app {

// Reads the stored pause, forgets one that is over and brings the pause marks
// in line with it. True while paused.
bool RefreshPause(CoreHost& host);
// The tray tip followed by "（暂停到 hh:mm）" while paused, cut where needed
// so that the end always fits the tip's field.
std::string TipWithPause(std::string_view tip, std::string_view pausedUntil);

void ChoosePauseHalfHour(CoreHost& host);
void ChoosePauseHour(CoreHost& host);
void ChoosePauseUntilTomorrow(CoreHost& host);
void ChooseResume(CoreHost& host);
// "离开时不显示": on stores 5 minutes, off 0.
void ToggleAwayRule(CoreHost& host);
// The away rule's minutes while its item is checked, else 0.
int32_t ActiveAwayMinutes(CoreHost& host);

}  // namespace lizhi::app
