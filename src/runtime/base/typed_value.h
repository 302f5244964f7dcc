// The runtime's calling form: every command argument and result is a 12-byte
// record of a low word, a high word and a type code.
#pragma once
#include <cstdint>
#include <cstring>

namespace lizhi::rt {

enum TypeCode : uint32_t {
  kTypeNone = 0,  // an optional argument left out
  kTypeLogical = 0x80000002,
  kTypeDateTime = 0x80000003,  // double counting days
  kTypeText = 0x80000004,
  kTypeBytes = 0x80000005,
  kTypeSubroutine = 0x80000006,
  kTypeByte = 0x80000101,
  kTypeShort = 0x80000201,
  kTypeInt = 0x80000301,
  kTypeLong = 0x80000401,
  kTypeFloat = 0x80000501,
  kTypeDouble = 0x80000601,
};

// Set on an argument passed by reference or as an array: the low word then
// points to the variable or the array block.
constexpr uint32_t kByRefFlag = 0x20000000;

struct TypedValue {
  uint32_t low = 0;
  uint32_t high = 0;
  uint32_t type = kTypeNone;
};
static_assert(sizeof(TypedValue) == 12);

// A command in the calling form: a result record to fill, the argument count
// and the arguments.
using CommandFn = void (*)(TypedValue& result, int32_t argCount, const TypedValue* args);

constexpr uint32_t BaseType(uint32_t type) { return type & ~kByRefFlag; }
constexpr bool IsByRef(const TypedValue& v) { return (v.type & kByRefFlag) != 0; }
constexpr bool IsGiven(const TypedValue& v) { return v.type != kTypeNone; }

// On the 32-bit target a pointer is the low word; a 64-bit native build lets it
// fill the low and high words together.
inline void SetPointer(TypedValue& v, const void* p) {
  uint64_t bits = reinterpret_cast<uintptr_t>(p);
  v.low = static_cast<uint32_t>(bits);
  if constexpr (sizeof(void*) > 4) v.high = static_cast<uint32_t>(bits >> 32);
}
template <typename T = void>
inline T* GetPointer(const TypedValue& v) {
  uint64_t bits = v.low;
  if constexpr (sizeof(void*) > 4) bits |= static_cast<uint64_t>(v.high) << 32;
  return reinterpret_cast<T*>(static_cast<uintptr_t>(bits));
}

inline TypedValue MakeInt(int32_t n) { return {static_cast<uint32_t>(n), 0, kTypeInt}; }
inline TypedValue MakeLogical(bool b) { return {b ? 1u : 0u, 0, kTypeLogical}; }
inline TypedValue Make64(uint64_t bits, uint32_t type) {
  return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), type};
}
inline TypedValue MakeDouble(double d, uint32_t type = kTypeDouble) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  return Make64(bits, type);
}
inline TypedValue MakeFloat(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return {bits, 0, kTypeFloat};
}
inline TypedValue MakeTextValue(const char* text) {  // text owned elsewhere
  TypedValue v{0, 0, kTypeText};
  SetPointer(v, text);
  return v;
}
inline TypedValue MakeBytesValue(const void* block) {
  TypedValue v{0, 0, kTypeBytes};
  SetPointer(v, block);
  return v;
}

inline int32_t IntOf(const TypedValue& v) { return static_cast<int32_t>(v.low); }
inline uint64_t Bits64(const TypedValue& v) { return v.low | (static_cast<uint64_t>(v.high) << 32); }
inline double DoubleOf(const TypedValue& v) {
  uint64_t bits = Bits64(v);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}
inline float FloatOf(const TypedValue& v) {
  float f;
  std::memcpy(&f, &v.low, sizeof f);
  return f;
}
// Text arguments are never null in the caller's hands, but results may be; both
// read as the empty text here.
inline const char* TextOf(const TypedValue& v) {
  const char* p = GetPointer<const char>(v);
  return p ? p : "";
}

}  // namespace lizhi::rt
