#include "app/text_source/text_encoding.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "runtime/base/memory.h"

namespace lizhi::app {

namespace {

constexpr char16_t kUnshown = u'?';

bool IsTrail(uint8_t b) { return (b & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at `p` (1 to 4), 0 when it is not
// one: overlong forms, surrogates and values past U+10FFFF are refused.
size_t SequenceLength(const uint8_t* p, size_t left) {
  uint8_t b = p[0];
  if (b < 0x80) return 1;
  size_t n;
  uint8_t low = 0x80, high = 0xBF;  // range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < n || p[1] < low || p[1] > high) return 0;
  for (size_t i = 2; i < n; ++i)
    if (!IsTrail(p[i])) return 0;
  return n;
}

bool LooksLikeUtf8(std::span<const uint8_t> bytes) {
  bool wide = false;
  for (size_t i = 0; i < bytes.size();) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    size_t n = SequenceLength(bytes.data() + i, bytes.size() - i);
    if (n == 0) return false;
    wide = wide || n == 3;
    i += n;
  }
  return wide;
}

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> mark) {
  return bytes.size() >= mark.size() && std::memcmp(bytes.data(), mark.begin(), mark.size()) == 0;
}

void PutCodePoint(uint32_t c, char16_t*& out) {
  if (c < 0x10000) {
    *out++ = static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    *out++ = static_cast<char16_t>(0xD800 + (c >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

// UTF-8 to UTF-16; each byte that starts no well-formed sequence becomes "?".
size_t DecodeUtf8(std::span<const uint8_t> in, char16_t* out) {
  char16_t* start = out;
  for (size_t i = 0; i < in.size();) {
    const uint8_t* p = in.data() + i;
    size_t n = SequenceLength(p, in.size() - i);
    if (n == 0) {
      *out++ = kUnshown;
      ++i;
      continue;
    }
    uint32_t c = n == 1 ? p[0] : p[0] & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) c = (c << 6) | (p[k] & 0x3F);
    PutCodePoint(c, out);
    i += n;
  }
  return static_cast<size_t>(out - start);
}

// UTF-16 in either byte order; a surrogate without its partner becomes "?",
// an odd last byte is dropped.
size_t DecodeUtf16(std::span<const uint8_t> in, bool bigEndian, char16_t* out) {
  const size_t units = in.size() / 2;
  auto unit = [&](size_t i) -> char16_t {
    uint8_t a = in[2 * i], b = in[2 * i + 1];
    return static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
  };
  char16_t* start = out;
  for (size_t i = 0; i < units; ++i) {
    char16_t u = unit(i);
    bool high = u >= 0xD800 && u <= 0xDBFF, low = u >= 0xDC00 && u <= 0xDFFF;
    if (high && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      *out++ = u;
      *out++ = unit(++i);
    } else {
      *out++ = (high || low) ? kUnshown : u;
    }
  }
  return static_cast<size_t>(out - start);
}

}  // namespace

DetectedEncoding DetectEncoding(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return {TextEncoding::kUtf8, 3};
  if (StartsWith(bytes, {0xFF, 0xFE})) return {TextEncoding::kUtf16Le, 2};
  if (StartsWith(bytes, {0xFE, 0xFF})) return {TextEncoding::kUtf16Be, 2};
  if (LooksLikeUtf8(bytes)) return {TextEncoding::kUtf8, 0};
  return {};
}

bool ConvertToCodePage(rt::FileContents& contents) {
  std::span<const uint8_t> bytes(contents.data(), contents.size);
  DetectedEncoding found = DetectEncoding(bytes);
  if (found.encoding == TextEncoding::kCodePage) return true;
  bytes = bytes.subspan(found.markBytes);

  // UTF-8 gives at most one unit per byte, UTF-16 one per two bytes; the code
  // page at most two bytes per unit (three when the system's code page is
  // UTF-8).
  constexpr size_t kMostUnits = (SIZE_MAX - 1) / 3;  // the sizes below must not wrap
  if (bytes.size() >= kMostUnits) return false;
  rt::RuntimeBlock units(static_cast<uint8_t*>(rt::AllocatePlain((bytes.size() + 1) * sizeof(char16_t))));
  if (!units) return false;
  auto* wide = reinterpret_cast<char16_t*>(units.get());
  size_t count = found.encoding == TextEncoding::kUtf8
                     ? DecodeUtf8(bytes, wide)
                     : DecodeUtf16(bytes, found.encoding == TextEncoding::kUtf16Be, wide);

  contents = rt::FileContents{};  // the file's own bytes are not needed any more
  rt::RuntimeBlock narrow(static_cast<uint8_t*>(rt::AllocatePlain(count * 3 + 1)));
  if (!narrow) return false;
  size_t size = Utf16ToCodePage({wide, count}, reinterpret_cast<char*>(narrow.get()));
  units.reset();
  // Give back the room a wider code page would have needed.
  narrow.reset(static_cast<uint8_t*>(rt::Reallocate(narrow.release(), size + 1)));
  contents.block = std::move(narrow);
  contents.size = size;
  return true;
}

}  // namespace lizhi::app
