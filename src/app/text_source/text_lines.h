// The lines of a text file, kept as one block of text and the place of every
// line in it, so that a large file costs little more than its own size.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/commands/files.h"

namespace lizhi::app {

class TextLines {
 public:
  // Takes the file's bytes: UTF-8 and UTF-16 are turned into the code page,
  // the text ends at the first zero byte, lines end at CR LF, LF or CR, and
  // empty lines are left out. False when there was no memory for the
  // conversion or the line table (the list is then empty).
  bool Assign(rt::FileContents contents);
  void Clear();

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::string_view operator[](size_t i) const;

 private:
  struct Span {
    uint32_t offset;
    uint32_t length;
  };
  rt::FileContents text_;
  rt::RuntimeBlock spans_;  // Span[count_]
  size_t count_ = 0;
};

}  // namespace lizhi::app
