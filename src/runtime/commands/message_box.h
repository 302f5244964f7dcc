// ShowMessageBox: a message box with no owner; task-modal unless the caller
// asks for system-modal.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

constexpr uint32_t kSystemModal = 0x1000;
constexpr uint32_t kTaskModal = 0x2000;

// The style passed on: task-modal is added unless system-modal is set.
uint32_t MessageBoxStyle(int32_t style);
// The platform's button id as the command's result: OK 0, Cancel 1, Abort 2,
// Retry 3, Ignore 4, Yes 5, No 6, anything else 0.
int32_t MessageBoxResult(int32_t buttonId);
// The text shown for a value: texts, numbers, logicals and date-times as
// ToText gives them, anything else empty.
std::string MessageBoxContent(const TypedValue& value);

// Shows the box (caption default "信息：") and returns the command's result.
int32_t ShowMessageBox(std::string_view content, int32_t style, std::optional<std::string_view> caption = {});

// The platform's box: returns the button id.
int32_t SystemMessageBox(const std::string& text, const std::string& caption, uint32_t style);

}  // namespace lizhi::rt
