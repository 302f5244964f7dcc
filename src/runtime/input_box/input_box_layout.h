// The two layouts of the input box, in dialog units: a tall one with a framed
// prompt above the edit line, and a short one with the edit line alone.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::rt {

enum class InputBoxRole : uint8_t { kFrame, kPrompt, kEdit, kConfirm, kCancel };

struct InputBoxItem {
  InputBoxRole role;
  uint16_t classAtom;  // 0x0080 button, 0x0081 edit, 0x0082 static
  uint16_t id;
  int16_t x, y, cx, cy;
};

struct InputBoxLayout {
  int16_t width, height;
  const InputBoxItem* items;
  size_t itemCount;
};

constexpr uint16_t kPromptId = 1001;
constexpr uint16_t kEditId = 1002;
constexpr uint16_t kConfirmId = 1;  // IDOK
constexpr uint16_t kCancelId = 2;   // IDCANCEL

// The tall layout when there is a prompt, the short one otherwise.
const InputBoxLayout& LayoutFor(bool hasPrompt);

}  // namespace lizhi::rt
