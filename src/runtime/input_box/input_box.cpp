#include "runtime/input_box/input_box.h"

#include <cstring>
#include <limits>

#include "runtime/base/memory.h"
#include "runtime/commands/commands.h"
#include "runtime/commands/conversions.h"

namespace lizhi::rt {

namespace {

// Characters each mode lets through besides the digits.
struct ModeChars {
  int32_t mode;
  const char* extra;  // null: everything passes
};
constexpr ModeChars kModeChars[] = {
    {kInputAnything, nullptr},
    {kInputInteger, "-"},
    {kInputDecimal, "-."},
    {kInputPassword, nullptr},
};

int32_t AtoI(std::string_view text) {
  int64_t v = ParseIntegerPrefix(text);
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

template <typename T>
void Store(void* variable, T value) {
  std::memcpy(variable, &value, sizeof value);
}

}  // namespace

int32_t ClampInputMode(int32_t mode) {
  if (mode > kInputPassword) return kInputPassword;
  if (mode < kInputAnything) return kInputAnything;
  return mode;
}

bool AcceptsTypedChar(int32_t mode, unsigned ch) {
  if (ch < 32) return true;
  for (const auto& m : kModeChars) {
    if (m.mode != ClampInputMode(mode)) continue;
    if (!m.extra) return true;
    return (ch >= '0' && ch <= '9') || (ch < 128 && std::strchr(m.extra, static_cast<int>(ch)) != nullptr);
  }
  return true;
}

void StoreIntoVariable(const TypedValue& variable, std::string_view typed) {
  void* target = GetPointer<void>(variable);
  if (!IsByRef(variable) || !target) return;
  switch (BaseType(variable.type)) {
    case kTypeText: {
      char*& text = *static_cast<char**>(target);
      Free(text);
      text = CopyText(typed);
      break;
    }
    case kTypeByte:
      Store(target, static_cast<uint8_t>(AtoI(typed)));
      break;
    case kTypeShort:
      Store(target, static_cast<int16_t>(AtoI(typed)));
      break;
    case kTypeInt:
      Store(target, AtoI(typed));
      break;
    case kTypeLong:
      Store(target, ParseIntegerPrefix(typed));
      break;
    case kTypeFloat:
      Store(target, static_cast<float>(ParseDecimalPrefix(typed)));
      break;
    case kTypeDouble:
      Store(target, ParseDecimalPrefix(typed));
      break;
    default:
      break;
  }
}

void CmdInputBox(TypedValue& result, int32_t argCount, const TypedValue* args) {
  CommandArgs a(argCount, args);
  InputBoxRequest request{std::string(a.Text(0)), std::string(a.Text(1)), std::string(a.Text(2)),
                          ClampInputMode(a.Int(4, kInputAnything))};
  std::string typed;
  bool confirmed = RunInputBox(request, typed);
  if (confirmed) StoreIntoVariable(a[3], typed);
  SetLogical(result, confirmed);
}

}  // namespace lizhi::rt
