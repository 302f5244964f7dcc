// Numbers, bits and conversions in the calling form.
#include <cmath>

#include "runtime/commands/commands.h"
#include "runtime/commands/conversions.h"
#include "runtime/commands/numbers.h"

namespace lizhi::rt {

namespace {
template <typename Step>
void FoldDoubles(TypedValue& result, const CommandArgs& args, Step step) {
  double x = args.Number(0);
  for (int32_t i = 1; i < args.count(); ++i)
    if (args.Given(i)) x = step(x, args.Number(i));
  SetDouble(result, x);
}

template <typename Op>
void FoldInts(TypedValue& result, const CommandArgs& args, Op op) {
  int32_t x = args.Int(0);
  for (int32_t i = 1; i < args.count(); ++i)
    if (args.Given(i)) x = op(x, args.Int(i));
  SetInt(result, x);
}
}  // namespace

void CmdIntDivide(TypedValue& result, int32_t argCount, const TypedValue* args) {
  FoldDoubles(result, CommandArgs(argCount, args), &IntDivideStep);
}

void CmdRemainder(TypedValue& result, int32_t argCount, const TypedValue* args) {
  FoldDoubles(result, CommandArgs(argCount, args), &RemainderStep);
}

void CmdAbsValue(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetDouble(result, std::fabs(CommandArgs(argCount, args).Number(0)));
}

void CmdRoundNumber(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetDouble(result, RoundNumber(a.Number(0), a.Int(1, 0)));
}

void CmdBitAnd(TypedValue& result, int32_t argCount, const TypedValue* args) {
  FoldInts(result, CommandArgs(argCount, args), [](int32_t x, int32_t y) { return x & y; });
}

void CmdBitOr(TypedValue& result, int32_t argCount, const TypedValue* args) {
  FoldInts(result, CommandArgs(argCount, args), [](int32_t x, int32_t y) { return x | y; });
}

void CmdShiftLeft(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, ShiftLeft(a.Int(0), a.Int(1)));
}

void CmdShiftRight(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, ShiftRight(a.Int(0), a.Int(1)));
}

void CmdRgbColor(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, RgbColor(a.Int(0), a.Int(1), a.Int(2)));
}

void CmdToNumber(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetDouble(result, ValueToNumber(CommandArgs(argCount, args)[0]));
}

void CmdToText(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetText(result, ValueToText(CommandArgs(argCount, args)[0]));
}

void CmdToBytes(TypedValue& result, int32_t argCount, const TypedValue* args) {
  std::vector<uint8_t> bytes = ValueToBytes(CommandArgs(argCount, args)[0]);
  SetBytes(result, bytes.data(), bytes.size());
}

}  // namespace lizhi::rt
