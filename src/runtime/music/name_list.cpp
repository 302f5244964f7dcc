#include "runtime/music/name_list.h"

#include <cstring>

namespace lizhi::music {

NameList::NameList(const char* packed) {
  if (packed == nullptr) return;
  for (const char* name = packed; *name != '\0'; name += std::strlen(name) + 1) {
    names_.emplace_back(name);
  }
}

const std::string& NameList::current() const {
  static const std::string kNone;
  return names_.empty() ? kNone : names_[current_];
}

bool NameList::Advance() {
  if (names_.empty()) return true;
  current_ = (current_ + 1) % names_.size();
  return current_ == 0;
}

}  // namespace lizhi::music
