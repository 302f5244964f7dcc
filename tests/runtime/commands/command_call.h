// Calling commands the way the program does, and owning what they return.
#pragma once
#include <string>
#include <vector>

#include "runtime/base/memory.h"
#include "runtime/base/typed_value.h"
#include "runtime/commands/command_table.h"

namespace lizhi::test {

inline rt::TypedValue Text(const char* s) { return rt::MakeTextValue(s); }
inline rt::TypedValue Int(int32_t n) { return rt::MakeInt(n); }
inline rt::TypedValue Double(double d) { return rt::MakeDouble(d); }
inline rt::TypedValue Bool(bool b) { return rt::MakeLogical(b); }
inline rt::TypedValue LeftOut() { return {}; }
inline rt::TypedValue Unit(uint32_t window, uint32_t unit, uint32_t type) { return {window, unit, type}; }
template <typename T>
rt::TypedValue Ref(T* variable, uint32_t type) {
  rt::TypedValue v{0, 0, type | rt::kByRefFlag};
  rt::SetPointer(v, variable);
  return v;
}

// A text result taken over (and freed) as a std::string.
inline std::string TakeText(const rt::TypedValue& v) {
  char* p = rt::GetPointer<char>(v);
  std::string s = p ? p : "";
  rt::Free(p);
  return s;
}
inline std::vector<uint8_t> TakeBytes(const rt::TypedValue& v) {
  void* block = rt::GetPointer<void>(v);
  const uint8_t* data = rt::ByteArrayData(block);
  std::vector<uint8_t> bytes(data, data + rt::ByteArrayLength(block));
  rt::Free(block);
  return bytes;
}
// A text-array result: pieces, with a null piece as "<null>".
inline std::vector<std::string> TakeTexts(const rt::TypedValue& v) {
  void* block = rt::GetPointer<void>(v);
  std::vector<std::string> out;
  char** items = rt::TextArrayItems(block);
  for (size_t i = 0, n = rt::TextArrayCount(block); i < n; ++i) out.push_back(items[i] ? items[i] : "<null>");
  rt::FreeTextArray(block);
  return out;
}
// A byte-array block owned by the test.
struct BytesBlock {
  explicit BytesBlock(const std::string& bytes) : block(rt::MakeByteArray(bytes.data(), bytes.size())) {}
  ~BytesBlock() { rt::Free(block); }
  BytesBlock(const BytesBlock&) = delete;
  BytesBlock& operator=(const BytesBlock&) = delete;
  rt::TypedValue value() const { return rt::MakeBytesValue(block); }
  void* block;
};

}  // namespace lizhi::test
