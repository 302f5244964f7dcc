// Text commands in the calling form.
#include <cstring>

#include "runtime/base/memory.h"
#include "runtime/commands/commands.h"
#include "runtime/commands/gbk_text.h"

namespace lizhi::rt {

namespace {
std::optional<int32_t> OptionalInt(const CommandArgs& a, int32_t i) {
  return a.Given(i) ? std::optional<int32_t>(a.Int(i)) : std::nullopt;
}
}  // namespace

void CmdTextLength(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetInt(result, static_cast<int32_t>(CommandArgs(argCount, args).Text(0).size()));
}

void CmdLeftText(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetText(result, LeftText(a.Text(0), a.Int(1)));
}

void CmdRightText(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetText(result, RightText(a.Text(0), a.Int(1)));
}

void CmdFindText(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, FindText(a.Text(0), a.Text(1), a.Int(2, 1), a.Logical(3, false)));
}

void CmdFindTextReverse(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  SetInt(result, FindTextReverse(a.Text(0), a.Text(1), OptionalInt(a, 2), a.Logical(3, false)));
}

void CmdToLowerCase(TypedValue& result, int32_t argCount, const TypedValue* args) {
  SetText(result, ToLowerCase(CommandArgs(argCount, args).Text(0)));
}

void CmdReplaceText(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  ReplaceOptions options;
  options.start = a.Int(3, 1);
  options.count = OptionalInt(a, 4);
  options.caseSensitive = a.Logical(5, false);
  SetText(result, ReplaceText(a.Text(0), a.Text(1), a.Text(2), options));
}

void CmdSplitText(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  std::string_view delimiter = a.Given(1) ? a.Text(1) : std::string_view(",");
  std::vector<std::string> pieces = SplitText(a.Text(0), delimiter, OptionalInt(a, 2));
  void** block = MakeTextArray(pieces.size());
  char** items = TextArrayItems(block);
  for (size_t i = 0; i < pieces.size(); ++i) items[i] = CopyText(pieces[i]);
  result = TypedValue{0, 0, kTypeText | kByRefFlag};
  SetPointer(result, block);
}

}  // namespace lizhi::rt
