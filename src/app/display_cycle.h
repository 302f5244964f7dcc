// The display cycle: each tick of the display timer shows the next line in the
// place the checked mode item names; the follow timer keeps the mouse-follow
// strip under the cursor.
#pragma once
#include <cstdint>
#include <string_view>

#include "app/core_host.h"
#include "app/settings/settings.h"

namespace lizhi::app {

// The mode as the tray menu's check marks show it, first checked item wins in
// the order mouse-follow, balloon, agent; none of them is the title bar.
DisplayMode CheckedMode(CoreHost& host);

void OnDisplayTick(CoreHost& host);
// Takes down the strip, the balloon and the character, once, and keeps the
// cycle quiet until a tick finds nothing that silences it.
void GoQuiet(CoreHost& host);
void OnFollowTick(CoreHost& host);
// Makes the start-up window the mouse-follow strip without showing it: 24
// pixels high, as wide as the text its label shows, topmost, under the cursor.
// A hidden window is also set to show normally, not at its stored maximised
// size, when it is first shown.
void PlaceStrip(CoreHost& host);
// "正在播放:<<" + title + ">>", and the pause's end while paused.
void UpdateTrayTip(CoreHost& host, std::string_view title);

// Width of the mouse-follow strip for a line: 10 pixels per byte.
int32_t StripWidth(std::string_view line);
// A stored interval in seconds as timer milliseconds, truncated toward zero and
// kept within 32 bits.
int32_t IntervalMs(std::string_view seconds);

}  // namespace lizhi::app
