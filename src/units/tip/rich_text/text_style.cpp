#include "units/tip/rich_text/text_style.h"

#include <algorithm>

namespace lizhi::tip {

void FontKey::SetFace(std::string_view name) {
  size_t n = std::min(name.size(), static_cast<size_t>(kFaceSize - 1));
  std::memcpy(face, name.data(), n);
  face[n] = '\0';
}

bool StyleStack::Push(const char* effect) {
  if (stack_.size() >= kMaxDepth) return false;
  stack_.push_back(current_);
  current_.effect = effect;
  return true;
}

bool StyleStack::Pop(std::string_view effect) {
  if (stack_.empty() || effect != current_.effect) return false;
  current_ = stack_.back();
  stack_.pop_back();
  return true;
}

void StyleStack::RestoreTo(size_t depth) {
  if (depth >= stack_.size()) return;
  current_ = stack_[depth];
  stack_.resize(depth);
}

}  // namespace lizhi::tip
