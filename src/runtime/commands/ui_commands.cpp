// Message box, pop-up menu, events and music in the calling form.
#include "runtime/commands/commands.h"
#include "runtime/commands/frame_calls.h"
#include "runtime/commands/message_box.h"
#include "runtime/commands/music_commands.h"

namespace lizhi::rt {

void CmdShowMessageBox(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  std::optional<std::string_view> caption;
  if (a.Given(2)) caption = a.Text(2);
  SetInt(result, ShowMessageBox(MessageBoxContent(a[0]), a.Int(1), caption));
}

void CmdPopupMenu(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  const TypedValue& window = a[0];
  const TypedValue& item = a[1];
  // A unit travels as (window id, unit id, unit type): the menu must be one of
  // the window's own.
  if (IsGiven(window) && IsGiven(item) && window.low == item.low) PopupUnitMenu(item.low, item.high);
  SetNone(result);
}

void CmdProcessEvents(TypedValue& result, int32_t, const TypedValue*) {
  PumpPendingMessages();
  SetNone(result);
}

void CmdPlayMusic(TypedValue& result, int32_t argCount, const TypedValue* args) {
  PlayMusic(music::MusicPlayerModule(), ParsePlayMusicArgs(CommandArgs(argCount, args)));
  SetNone(result);
}

void CmdStopMusic(TypedValue& result, int32_t, const TypedValue*) {
  RemoveCurrentPlayer();
  RequestStopAllMusic();
  SetNone(result);
}

}  // namespace lizhi::rt
