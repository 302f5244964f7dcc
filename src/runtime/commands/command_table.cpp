#include "runtime/commands/command_table.h"

#include <iterator>

#include "runtime/commands/commands.h"

namespace lizhi::rt {

namespace {
#define ENTRY(name) \
  { #name, &Cmd##name }
constexpr CommandEntry kCommands[] = {
    ENTRY(IntDivide),        ENTRY(Remainder),        ENTRY(AbsValue),
    ENTRY(RoundNumber),      ENTRY(BitAnd),           ENTRY(BitOr),
    ENTRY(ShiftLeft),        ENTRY(ShiftRight),       ENTRY(RgbColor),
    ENTRY(ToNumber),         ENTRY(ToText),           ENTRY(ToBytes),
    ENTRY(TextLength),       ENTRY(LeftText),         ENTRY(RightText),
    ENTRY(FindText),         ENTRY(FindTextReverse),  ENTRY(ToLowerCase),
    ENTRY(ReplaceText),      ENTRY(SplitText),        ENTRY(BytesLength),
    ENTRY(RightBytes),       ENTRY(MidBytes),         ENTRY(FindBytes),
    ENTRY(BlankBytes),       ENTRY(GetBytesData),     ENTRY(SeedRandom),
    ENTRY(RandomNumber),     ENTRY(ProgramDirectory), ENTRY(ExecutableName),
    ENTRY(ScreenWidth),      ENTRY(ScreenHeight),     ENTRY(MouseX),
    ENTRY(MouseY),           ENTRY(TickCount),        ENTRY(WindowHandle),
    ENTRY(MakeDirectory),    ENTRY(FileExists),       ENTRY(ReadFileBytes),
    ENTRY(WriteFileBytes),   ENTRY(ReadIniItem),      ENTRY(WriteIniItem),
    ENTRY(ShowMessageBox),   ENTRY(InputBox),         ENTRY(PopupMenu),
    ENTRY(OpenCommonDialog), ENTRY(ProcessEvents),    ENTRY(PlayMusic),
    ENTRY(StopMusic),
};
#undef ENTRY
static_assert(std::size(kCommands) == 49);
}  // namespace

std::span<const CommandEntry> CommandTable() { return kCommands; }

CommandFn FindCommand(std::string_view name) {
  for (const auto& c : kCommands)
    if (name == c.name) return c.run;
  return nullptr;
}

TypedValue CallCommand(std::string_view name, std::initializer_list<TypedValue> args) {
  TypedValue result{};
  if (CommandFn run = FindCommand(name)) run(result, static_cast<int32_t>(args.size()), args.begin());
  return result;
}

}  // namespace lizhi::rt
