// The core's start and end: what runs once the start-up window exists, the
// exit confirmation, the about box and the developer's test button.
#pragma once
#include <string>
#include <string_view>

#include "app/core_host.h"

namespace lizhi::app {

void OnWindowCreated(CoreHost& host);
void ConfirmExit(CoreHost& host);
void ShowAbout(CoreHost& host);
void OnTestButton(CoreHost& host);

// The about box's title for a text file: its text title cut once more at the
// last ".".
std::string AboutTitle(std::string_view textTitle);

}  // namespace lizhi::app
