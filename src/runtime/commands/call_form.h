// Reading a command's arguments and filling its result record. Commands receive
// exactly the arguments the caller has; an optional one left out has type 0.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

class CommandArgs {
 public:
  CommandArgs(int32_t count, const TypedValue* values) : count_(values ? count : 0), values_(values) {}

  int32_t count() const { return count_ > 0 ? count_ : 0; }
  bool Given(int32_t i) const { return i >= 0 && i < count_ && IsGiven(values_[i]); }
  // A missing argument reads as one left out.
  const TypedValue& operator[](int32_t i) const;

  // Any numeric value as a double; texts and other kinds give `fallback`.
  double Number(int32_t i, double fallback = 0) const;
  // Any numeric value as a 32-bit integer (truncated toward zero).
  int32_t Int(int32_t i, int32_t fallback = 0) const;
  bool Logical(int32_t i, bool fallback = false) const;
  // A text argument; missing or not a text reads as the empty text.
  std::string_view Text(int32_t i) const;
  // A byte-array argument's block (null when missing or not a byte array).
  const void* Bytes(int32_t i) const;

 private:
  int32_t count_;
  const TypedValue* values_;
};

// Numeric value of a plain (not by-reference) value; false when it is no number.
bool NumericValue(const TypedValue& v, double& out);

void SetNone(TypedValue& result);
void SetInt(TypedValue& result, int32_t n);
void SetLogical(TypedValue& result, bool b);
void SetDouble(TypedValue& result, double d);
// A fresh runtime copy of the text, null for the empty text.
void SetText(TypedValue& result, std::string_view text);
// A fresh byte-array block, no block for no bytes.
void SetBytes(TypedValue& result, const void* bytes, size_t length);
// Hands over a block already in runtime memory.
void SetBytesBlock(TypedValue& result, void* block);

}  // namespace lizhi::rt
