// Random numbers, environment, files and INI items in the calling form.
#include <cstring>
#include <string>
#include <vector>

#include "runtime/base/runtime_state.h"
#include "runtime/commands/byte_arrays.h"
#include "runtime/commands/commands.h"
#include "runtime/commands/environment.h"
#include "runtime/commands/files.h"
#include "runtime/commands/frame_calls.h"
#include "runtime/commands/ini.h"
#include "runtime/commands/random.h"

namespace lizhi::rt {

namespace {
// A text argument as a zero-terminated string (texts arrive terminated).
std::string TextArg(const CommandArgs& a, int32_t i) { return std::string(a.Text(i)); }
}  // namespace

void CmdSeedRandom(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  if (a.Given(0)) {
    SeedRandom(static_cast<uint32_t>(a.Int(0)));
  } else {
    SeedRandomFromTicks(TickCount());
  }
  SetNone(result);
}

void CmdRandomNumber(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, RandomNumber(a.Int(0, 0), a.Given(1) ? a.Int(1) : 2147483647));
}

void CmdProgramDirectory(TypedValue& result, int32_t, const TypedValue*) {
  SetText(result, Runtime().programDirectory);
}

void CmdExecutableName(TypedValue& result, int32_t, const TypedValue*) { SetText(result, Runtime().executableName); }
void CmdScreenWidth(TypedValue& result, int32_t, const TypedValue*) { SetInt(result, ScreenWidth()); }
void CmdScreenHeight(TypedValue& result, int32_t, const TypedValue*) { SetInt(result, ScreenHeight()); }
void CmdMouseX(TypedValue& result, int32_t, const TypedValue*) { SetInt(result, CursorPosition().x); }
void CmdMouseY(TypedValue& result, int32_t, const TypedValue*) { SetInt(result, CursorPosition().y); }
void CmdTickCount(TypedValue& result, int32_t, const TypedValue*) { SetInt(result, static_cast<int32_t>(TickCount())); }

void CmdWindowHandle(TypedValue& result, int32_t argCount, const TypedValue* args) {
  const TypedValue& unit = CommandArgs(argCount, args)[0];
  SetInt(result, IsGiven(unit) ? static_cast<int32_t>(UnitWindowHandleOf(unit.low, unit.high)) : 0);
}

void CmdMakeDirectory(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetLogical(result, MakeDirectory(TextArg(CommandArgs(argCount, args), 0).c_str()));
}

void CmdFileExists(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetLogical(result, FileExists(TextArg(CommandArgs(argCount, args), 0).c_str()));
}

void CmdReadFileBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  FileContents file;
  SetNone(result);
  result.type = kTypeBytes;
  if (!ReadWholeFile(TextArg(CommandArgs(argCount, args), 0).c_str(), sizeof(ByteArrayHeader),
                     AllocationFailure::kFatal, file) ||
      !file.block)
    return;
  ByteArrayHeader header{1, static_cast<int32_t>(file.size)};
  std::memcpy(file.block.get(), &header, sizeof header);
  SetBytesBlock(result, file.block.release());
}

void CmdWriteFileBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  std::vector<std::span<const uint8_t>> pieces;
  for (int32_t i = 1; i < a.count(); ++i) {
    ByteSpan bytes = BytesOf(a.Bytes(i));
    if (!bytes.empty()) pieces.push_back(bytes);
  }
  SetLogical(result, WriteWholeFile(TextArg(a, 0).c_str(), pieces));
}

void CmdReadIniItem(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  std::string file = TextArg(a, 0), section = TextArg(a, 1), key = TextArg(a, 2), fallback = TextArg(a, 3);
  SetText(result, ReadIniItem(file.c_str(), section.c_str(), key.c_str(), a.Given(3) ? fallback.c_str() : nullptr));
}

void CmdWriteIniItem(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  std::string file = TextArg(a, 0), section = TextArg(a, 1), key = TextArg(a, 2), value = TextArg(a, 3);
  SetLogical(result, WriteIniItem(file.c_str(), section.c_str(), a.Given(2) ? key.c_str() : nullptr,
                                  a.Given(3) ? value.c_str() : nullptr));
}

}  // namespace lizhi::rt
