#include "runtime/commands/message_box.h"

#include <iterator>

#include "runtime/commands/command_texts.h"
#include "runtime/commands/conversions.h"

namespace lizhi::rt {

namespace {
// Button ids 1..7 (IDOK .. IDNO) in order.
constexpr int32_t kButtonResults[] = {0, 1, 2, 3, 4, 5, 6};

constexpr uint32_t kShownTypes[] = {kTypeText,  kTypeByte,   kTypeShort,   kTypeInt,     kTypeLong,
                                    kTypeFloat, kTypeDouble, kTypeLogical, kTypeDateTime};
}  // namespace

uint32_t MessageBoxStyle(int32_t style) {
  auto s = static_cast<uint32_t>(style);
  return (s & kSystemModal) ? s : s | kTaskModal;
}

int32_t MessageBoxResult(int32_t buttonId) {
  if (buttonId < 1 || buttonId > static_cast<int32_t>(std::size(kButtonResults))) return 0;
  return kButtonResults[buttonId - 1];
}

std::string MessageBoxContent(const TypedValue& value) {
  for (uint32_t type : kShownTypes)
    if (value.type == type) return ValueToText(value);
  return {};
}

int32_t ShowMessageBox(std::string_view content, int32_t style, std::optional<std::string_view> caption) {
  return MessageBoxResult(SystemMessageBox(std::string(content), std::string(caption.value_or(text::kMessageCaption)),
                                           MessageBoxStyle(style)));
}

}  // namespace lizhi::rt
