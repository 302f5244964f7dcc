// Controls of the Linux stand-ins for the Windows parts of the commands, so that
// native tests can answer dialogs and observe what would have been shown.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lizhi::rt::native {

struct MessageBoxCall {
  std::string text;
  std::string caption;
  uint32_t style = 0;
};
// The button the stand-in message box answers with (IDOK = 1 at first).
void SetMessageBoxAnswer(int32_t buttonId);
std::vector<MessageBoxCall>& MessageBoxCalls();

// A fixed tick count instead of the clock (none: the clock).
void SetTickCount(std::optional<uint32_t> ticks);

struct PopupCall {
  uint32_t windowId = 0;
  uint32_t menuUnitId = 0;
};
std::vector<PopupCall>& PopupCalls();

// What the stand-in input box answers: a typed text, or none for Cancel.
void SetInputBoxAnswer(std::optional<std::string> typed);
int32_t LastInputBoxMode();

// How often the frame was asked to stop all music.
int32_t& StopAllMusicRequests();

}  // namespace lizhi::rt::native
