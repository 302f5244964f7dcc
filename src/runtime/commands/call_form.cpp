#include "runtime/commands/call_form.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "runtime/base/memory.h"

namespace lizhi::rt {

const TypedValue& CommandArgs::operator[](int32_t i) const {
  static const TypedValue kLeftOut{};
  return (i >= 0 && i < count_) ? values_[i] : kLeftOut;
}

bool NumericValue(const TypedValue& v, double& out) {
  switch (v.type) {
    case kTypeByte:
      out = static_cast<uint8_t>(v.low);
      return true;
    case kTypeShort:
      out = static_cast<int16_t>(v.low);
      return true;
    case kTypeInt:
    case kTypeSubroutine:
      out = static_cast<int32_t>(v.low);
      return true;
    case kTypeLogical:
      out = v.low != 0 ? 1 : 0;
      return true;
    case kTypeLong:
      out = static_cast<double>(static_cast<int64_t>(Bits64(v)));
      return true;
    case kTypeFloat:
      out = FloatOf(v);
      return true;
    case kTypeDouble:
    case kTypeDateTime:
      out = DoubleOf(v);
      return true;
    default:
      return false;
  }
}

double CommandArgs::Number(int32_t i, double fallback) const {
  double d;
  return NumericValue((*this)[i], d) ? d : fallback;
}

int32_t CommandArgs::Int(int32_t i, int32_t fallback) const {
  const TypedValue& v = (*this)[i];
  if (v.type == kTypeInt || v.type == kTypeLogical || v.type == kTypeSubroutine) return IntOf(v);
  double d;
  if (!NumericValue(v, d)) return fallback;
  // Out-of-range and not-a-number values saturate instead of being undefined.
  if (std::isnan(d)) return 0;
  if (d >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (d <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(d);
}

bool CommandArgs::Logical(int32_t i, bool fallback) const {
  const TypedValue& v = (*this)[i];
  if (v.type == kTypeLogical) return v.low != 0;
  double d;
  return NumericValue(v, d) ? d != 0 : fallback;
}

std::string_view CommandArgs::Text(int32_t i) const {
  const TypedValue& v = (*this)[i];
  if (v.type != kTypeText) return {};
  return TextOf(v);
}

const void* CommandArgs::Bytes(int32_t i) const {
  const TypedValue& v = (*this)[i];
  if (v.type != kTypeBytes) return nullptr;
  return GetPointer<const void>(v);
}

void SetNone(TypedValue& result) { result = TypedValue{}; }
void SetInt(TypedValue& result, int32_t n) { result = MakeInt(n); }
void SetLogical(TypedValue& result, bool b) { result = MakeLogical(b); }
void SetDouble(TypedValue& result, double d) { result = MakeDouble(d); }

void SetText(TypedValue& result, std::string_view text) { result = MakeTextValue(CopyText(text)); }

void SetBytes(TypedValue& result, const void* bytes, size_t length) {
  result = MakeBytesValue(MakeByteArray(bytes, length));
}

void SetBytesBlock(TypedValue& result, void* block) { result = MakeBytesValue(block); }

}  // namespace lizhi::rt
