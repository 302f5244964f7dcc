// Byte-array commands in the calling form.
#include <cstring>

#include "runtime/base/memory.h"
#include "runtime/commands/byte_arrays.h"
#include "runtime/commands/commands.h"

namespace lizhi::rt {

namespace {
void SetSpan(TypedValue& result, ByteSpan bytes) { SetBytes(result, bytes.data(), bytes.size()); }
}  // namespace

void CmdBytesLength(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetInt(result, static_cast<int32_t>(ByteArrayLength(CommandArgs(argCount, args).Bytes(0))));
}

void CmdRightBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetSpan(result, RightBytes(BytesOf(a.Bytes(0)), a.Int(1)));
}

void CmdMidBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetSpan(result, MidBytes(BytesOf(a.Bytes(0)), a.Int(1), a.Int(2)));
}

void CmdFindBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, FindBytes(BytesOf(a.Bytes(0)), BytesOf(a.Bytes(1)), a.Int(2, 1)));
}

void CmdBlankBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  int32_t n = CommandArgs(argCount, args).Int(0);
  SetBytesBlock(result, n > 0 ? MakeByteArray(nullptr, static_cast<size_t>(n)) : nullptr);
}

void CmdGetBytesData(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  const TypedValue& place = a[2];
  // The position comes as a value, or as an integer variable that is moved on.
  int32_t* variable = place.type == (kTypeInt | kByRefFlag) ? GetPointer<int32_t>(place) : nullptr;
  int32_t position = variable ? *variable : a.Int(2, 1);
  int32_t next = 0;
  result = ReadBytesData(BytesOf(a.Bytes(0)), a.Int(1), position, next);
  if (variable) *variable = next;
}

}  // namespace lizhi::rt
