#include "runtime/input_box/input_box_layout.h"

#include <iterator>

namespace lizhi::rt {

namespace {
constexpr uint16_t kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
constexpr uint16_t kNoId = 0xFFFF;

constexpr InputBoxItem kTallItems[] = {
    {InputBoxRole::kFrame, kStatic, kNoId, 7, 7, 238, 35},
    {InputBoxRole::kPrompt, kStatic, kPromptId, 12, 11, 229, 27},
    {InputBoxRole::kEdit, kEdit, kEditId, 7, 45, 238, 12},
    {InputBoxRole::kConfirm, kButton, kConfirmId, 126, 66, 55, 19},
    {InputBoxRole::kCancel, kButton, kCancelId, 190, 66, 55, 19},
};
constexpr InputBoxItem kShortItems[] = {
    {InputBoxRole::kEdit, kEdit, kEditId, 7, 7, 200, 12},
    {InputBoxRole::kConfirm, kButton, kConfirmId, 88, 30, 55, 19},
    {InputBoxRole::kCancel, kButton, kCancelId, 152, 30, 55, 19},
};
constexpr InputBoxLayout kTall{252, 92, kTallItems, std::size(kTallItems)};
constexpr InputBoxLayout kShort{214, 56, kShortItems, std::size(kShortItems)};
}  // namespace

const InputBoxLayout& LayoutFor(bool hasPrompt) { return hasPrompt ? kTall : kShort; }

}  // namespace lizhi::rt
