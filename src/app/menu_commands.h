// The tray menu's commands: each changes one setting, stores it at once and
// adjusts the running cycle.
#pragma once
#include "app/core_host.h"

namespace lizhi::app {

void ChooseTitleBar(CoreHost& host);
void ChooseMouseFollow(CoreHost& host);
void ChooseBalloon(CoreHost& host);
void ChooseAgent(CoreHost& host);
void ChooseRandom(CoreHost& host);
void ChooseSequential(CoreHost& host);
void AskInterval(CoreHost& host);
void ChooseMusic(CoreHost& host);
void ChooseFontSize(CoreHost& host);
void LoadTextFile(CoreHost& host);
void EditTextFile(CoreHost& host);
void ToggleAutoStart(CoreHost& host);

}  // namespace lizhi::app
