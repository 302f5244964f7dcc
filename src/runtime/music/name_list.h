// The player's list of files: zero-terminated names one after another, ended
// by an empty name.
#pragma once
#include <string>
#include <vector>

namespace lizhi::music {

class NameList {
 public:
  NameList() = default;
  // Copies names from `packed` up to the empty name; null or "" gives an empty list.
  explicit NameList(const char* packed);

  bool empty() const { return names_.empty(); }
  size_t size() const { return names_.size(); }
  // The current name; "" for an empty list.
  const std::string& current() const;
  size_t currentIndex() const { return current_; }
  // Moves to the next name; true when that wrapped round to the first.
  bool Advance();

 private:
  std::vector<std::string> names_;
  size_t current_ = 0;
};

}  // namespace lizhi::music
