// The application's operations on the agent character and the balloon tip box.
// Each does nothing when its unit cannot do the work (no agent server, a tip
// unit without its method).
#pragma once
#include <cstdint>
#include <string_view>

namespace lizhi::presenters {

// Loads the character on first use, places it near the bottom-right corner
// and shows it.
void ShowAgent();
void HideAgent();
void SpeakLine(std::string_view line);
void Greet();
// Whether ShowAgent has tried to load the character in this run.
bool AgentLoadTried();

// The balloon tip box's ShowTipAt at a screen point, without an icon.
void ShowTipAt(int32_t x, int32_t y, std::string_view line);

}  // namespace lizhi::presenters
