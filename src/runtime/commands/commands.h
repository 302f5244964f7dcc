// The runtime commands in their calling form: a result record to fill, the
// argument count and the arguments. A text or byte-array result is a fresh
// block of runtime memory that belongs to the caller; the empty text and the
// empty byte array come back as no block.
#pragma once
#include "runtime/commands/call_form.h"

namespace lizhi::rt {

#define LIZHI_COMMAND(name) void Cmd##name(TypedValue& result, int32_t argCount, const TypedValue* args)

// Numbers and bits
LIZHI_COMMAND(IntDivide);
LIZHI_COMMAND(Remainder);
LIZHI_COMMAND(AbsValue);
LIZHI_COMMAND(RoundNumber);
LIZHI_COMMAND(BitAnd);
LIZHI_COMMAND(BitOr);
LIZHI_COMMAND(ShiftLeft);
LIZHI_COMMAND(ShiftRight);
LIZHI_COMMAND(RgbColor);
// Conversions
LIZHI_COMMAND(ToNumber);
LIZHI_COMMAND(ToText);
LIZHI_COMMAND(ToBytes);
// Texts
LIZHI_COMMAND(TextLength);
LIZHI_COMMAND(LeftText);
LIZHI_COMMAND(RightText);
LIZHI_COMMAND(FindText);
LIZHI_COMMAND(FindTextReverse);
LIZHI_COMMAND(ToLowerCase);
LIZHI_COMMAND(ReplaceText);
LIZHI_COMMAND(SplitText);
// Byte arrays
LIZHI_COMMAND(BytesLength);
LIZHI_COMMAND(RightBytes);
LIZHI_COMMAND(MidBytes);
LIZHI_COMMAND(FindBytes);
LIZHI_COMMAND(BlankBytes);
LIZHI_COMMAND(GetBytesData);
// Random numbers
LIZHI_COMMAND(SeedRandom);
LIZHI_COMMAND(RandomNumber);
// Environment
LIZHI_COMMAND(ProgramDirectory);
LIZHI_COMMAND(ExecutableName);
LIZHI_COMMAND(ScreenWidth);
LIZHI_COMMAND(ScreenHeight);
LIZHI_COMMAND(MouseX);
LIZHI_COMMAND(MouseY);
LIZHI_COMMAND(TickCount);
LIZHI_COMMAND(WindowHandle);
// Files and INI items
LIZHI_COMMAND(MakeDirectory);
LIZHI_COMMAND(FileExists);
LIZHI_COMMAND(ReadFileBytes);
LIZHI_COMMAND(WriteFileBytes);
LIZHI_COMMAND(ReadIniItem);
LIZHI_COMMAND(WriteIniItem);
// Dialogs and menus
LIZHI_COMMAND(ShowMessageBox);
LIZHI_COMMAND(InputBox);
LIZHI_COMMAND(PopupMenu);
LIZHI_COMMAND(OpenCommonDialog);
// Events and music
LIZHI_COMMAND(ProcessEvents);
LIZHI_COMMAND(PlayMusic);
LIZHI_COMMAND(StopMusic);

#undef LIZHI_COMMAND

}  // namespace lizhi::rt
