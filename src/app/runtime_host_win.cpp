#include "app/runtime_host_win.h"

#include <string>

#include "app/full_screen.h"
#include "app/hide_tip.h"
#include "app/settings/settings.h"
#include "app/settings/stored_path.h"
#include "app/shell_actions.h"
#include "data/startup_window.h"
#include "presenters/agent_presenter.h"
#include "presenters/delay.h"
#include "presenters/painter.h"
#include "runtime/base/memory.h"
#include "runtime/base/monitor_query.h"
#include "runtime/commands/command_table.h"
#include "runtime/commands/environment.h"
#include "runtime/commands/files.h"
#include "runtime/commands/message_box.h"
#include "runtime/commands/random.h"
#include "runtime/common_dialog/open_common_dialog.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/library_calls.h"
#include "runtime/frame/unit_type.h"
#include "runtime/input_box/input_box.h"
#include "units/tip/tip_unit.h"

namespace lizhi::app {

namespace {

constexpr uint32_t kWindow = rt::kStartupWindowId;
constexpr int32_t kMenuChecked = 1;
constexpr int32_t kMenuVisible = 3;

// A text or byte-array value read from a unit belongs to the reader.
struct ReadValue {
  rt::TypedValue value;
  ~ReadValue() {
    if (value.type == rt::kTypeText || value.type == rt::kTypeBytes) rt::Free(rt::GetPointer(value));
  }
};

}  // namespace

std::string RuntimeHost::ReadSetting(std::string_view key, std::string_view fallback) {
  return app::ReadSetting(key, fallback);
}
void RuntimeHost::WriteSetting(std::string_view key, std::string_view value) { app::WriteSetting(key, value); }
void RuntimeHost::DeleteSetting(std::string_view key) { app::DeleteSetting(key); }
std::optional<std::string> RuntimeHost::ResolveStoredPath(std::string_view value) {
  return app::ResolveStoredPath(value);
}
std::string RuntimeHost::ToStoredPath(std::string_view chosen) { return app::ToStoredPath(chosen); }
std::string RuntimeHost::ProgramDirectory() { return rt::Runtime().programDirectory; }
std::string RuntimeHost::ExecutableName() { return rt::Runtime().executableName; }
bool RuntimeHost::FileExists(std::string_view path) { return rt::FileExists(std::string(path).c_str()); }

std::string RuntimeHost::ResolveTextPath() { return app::ResolveTextPath(); }
void RuntimeHost::LoadLines(std::string_view path) { app::LoadLines(text_, path); }
void RuntimeHost::ClearLines() { text_.lines.Clear(); }
std::string RuntimeHost::NextLine() { return app::NextLine(text_); }
std::string RuntimeHost::CurrentLine() { return text_.currentLine; }
void RuntimeHost::ResetSequence() { text_.sequenceCursor = 0; }
std::string RuntimeHost::TextTitle(std::string_view path) { return app::TextTitle(path); }
void RuntimeHost::FreeLines() {
  text_.lines.Clear();
  std::string().swap(text_.currentLine);
}

void RuntimeHost::ReloadChangedText() { app::ReloadIfChanged(text_); }

void RuntimeHost::SetInt(uint32_t unit, int32_t index, int32_t value) {
  rt::WriteUnitProperty(kWindow, unit, index, rt::MakeInt(value));
}
int32_t RuntimeHost::GetInt(uint32_t unit, int32_t index) {
  ReadValue read{rt::ReadUnitProperty(kWindow, unit, index)};
  return rt::IntOf(read.value);
}
void RuntimeHost::SetText(uint32_t unit, int32_t index, std::string_view text) {
  std::string copy(text);
  rt::WriteUnitProperty(kWindow, unit, index, rt::MakeTextValue(copy.c_str()));
}
std::string RuntimeHost::GetText(uint32_t unit, int32_t index) {
  ReadValue read{rt::ReadUnitProperty(kWindow, unit, index)};
  return read.value.type == rt::kTypeText ? std::string(rt::TextOf(read.value)) : std::string();
}
void RuntimeHost::SetBytes(uint32_t unit, int32_t index, std::span<const uint8_t> bytes) {
  ReadValue block{rt::MakeBytesValue(rt::MakeByteArray(bytes.data(), bytes.size()))};
  rt::WriteUnitProperty(kWindow, unit, index, block.value);
}
bool RuntimeHost::IsChecked(uint32_t menuItem) {
  return rt::IntOf(rt::ReadUnitProperty(kWindow, menuItem, kMenuChecked)) != 0;
}
void RuntimeHost::SetChecked(uint32_t menuItem, bool checked) {
  rt::WriteUnitProperty(kWindow, menuItem, kMenuChecked, rt::MakeLogical(checked));
}
void RuntimeHost::SetMenuVisible(uint32_t menuItem, bool visible) {
  rt::WriteUnitProperty(kWindow, menuItem, kMenuVisible, rt::MakeLogical(visible));
}
bool RuntimeHost::OpenFileChooser() { return rt::OpenCommonDialogOfUnit(kWindow, data::kFileChooser); }
void RuntimeHost::PopupTrayMenu() { rt::PopupTemplateMenu(kWindow, data::kTrayMenu); }

void RuntimeHost::PresentAtActiveWindow(std::string_view previous, std::string_view line) {
  presenters::PresentAtActiveWindow(previous, line);
}
void RuntimeHost::ShowTipAt(int32_t x, int32_t y, std::string_view line) {
  // No icon; the keep-auto-hide argument left out.
  const std::string text(line);
  rt::CallUnitMethod(kWindow, data::kTipUnit, rt::kUnitTypeTip, tip::kMethodShowTipAt,
                     {rt::MakeInt(x), rt::MakeInt(y), rt::MakeTextValue(text.c_str()), rt::MakeInt(-1)});
}
void RuntimeHost::HideTip() { HideTipOf(kWindow, data::kTipUnit); }
RuntimeHost::RuntimeHost() { presenters::UseAgentUnit({kWindow, data::kAgentUnit}); }

void RuntimeHost::ShowAgent() { presenters::ShowAgent(); }
void RuntimeHost::HideAgent() { presenters::HideAgent(); }
void RuntimeHost::SpeakLine(std::string_view line) { presenters::SpeakLine(line); }
void RuntimeHost::GreetAgent() { presenters::Greet(); }
void RuntimeHost::PumpingDelay(int32_t microseconds) { presenters::PumpingDelay(microseconds); }
int32_t RuntimeHost::TimedMessageBox(std::string_view text, uint32_t style, std::string_view title, int32_t timeoutMs) {
  std::string t(text), c(title);
  return presenters::TimedMessageBox(t.c_str(), style, c.c_str(), rt::UnitWindowHandle(kWindow, rt::kWindowUnitId),
                                     timeoutMs);
}
void RuntimeHost::MessageBox(std::string_view text, int32_t style, std::optional<std::string_view> title) {
  rt::ShowMessageBox(text, style, title);
}
std::optional<std::string> RuntimeHost::InputBox(const InputRequest& request) {
  rt::InputBoxRequest box{request.prompt, request.title, request.initial, rt::ClampInputMode(request.mode)};
  std::string typed;
  if (!rt::RunInputBox(box, typed)) return std::nullopt;
  return typed;
}

void RuntimeHost::SeedRandomFromTicks() { rt::SeedRandom(rt::TickCount()); }
AttentionFacts RuntimeHost::Attention() { return ReadAttention(&ShellNotificationState, &FocusAssistProfile); }
LocalTime RuntimeHost::Now() { return LocalNow(); }
CursorPoint RuntimeHost::Cursor() {
  rt::ScreenPoint p = rt::CursorPosition();
  return {p.x, p.y};
}
MonitorSpot RuntimeHost::MonitorAt(CursorPoint p) {
  const screen::Monitor monitor = screen::MonitorNearest({p.x, p.y});
  return {monitor.work, monitor.dpi};
}
void RuntimeHost::PlayMusic(std::string_view path) {
  std::string name(path);
  rt::CallCommand("PlayMusic", {rt::MakeInt(-1), rt::MakeTextValue(name.c_str())});
}
void RuntimeHost::StopMusic() { rt::CallCommand("StopMusic", {}); }
bool RuntimeHost::SetAutoStart(std::string_view name, std::string_view path) {
  return shell_actions::SetAutoStart(name, path);
}
bool RuntimeHost::RemoveAutoStart(std::string_view name) { return shell_actions::RemoveAutoStart(name); }
void RuntimeHost::EditFile(std::string_view path) { shell_actions::EditFile(path); }
void RuntimeHost::EndProgram(int32_t exitCode) { rt::EndProgram(exitCode); }

}  // namespace lizhi::app
