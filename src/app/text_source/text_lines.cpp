#include "app/text_source/text_lines.h"

#include <cstring>

#include "app/text_source/text_encoding.h"
#include "runtime/base/memory.h"

namespace lizhi::app {

namespace {

// Calls `line(offset, length)` for every non-empty line of the text, in order.
// A line ends at CR LF, and at an LF or a CR standing alone (files saved on
// other systems); no GBK character holds either byte.
template <typename Line>
void ForEachLine(const uint8_t* text, size_t size, Line line) {
  size_t start = 0;
  for (size_t at = 0; at < size; ++at) {
    uint8_t b = text[at];
    if (b != '\r' && b != '\n') continue;
    if (at > start) line(start, at - start);
    if (b == '\r' && at + 1 < size && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  if (size > start) line(start, size - start);
}

}  // namespace

bool TextLines::Assign(rt::FileContents contents) {
  Clear();
  // Unicode text is turned into the code page first: UTF-16 is full of zero
  // bytes.
  if (!ConvertToCodePage(contents)) return false;
  const uint8_t* data = contents.data();
  size_t size = contents.size;
  if (data) {
    if (auto* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size))) size = static_cast<size_t>(zero - data);
  }
  size_t count = 0;
  ForEachLine(data, size, [&](size_t, size_t) { ++count; });
  if (count == 0) return true;
  auto* spans = static_cast<Span*>(rt::AllocatePlain(count * sizeof(Span)));
  if (!spans) return false;
  spans_.reset(reinterpret_cast<uint8_t*>(spans));
  size_t i = 0;
  ForEachLine(data, size, [&](size_t offset, size_t length) {
    spans[i++] = {static_cast<uint32_t>(offset), static_cast<uint32_t>(length)};
  });
  count_ = count;
  text_ = std::move(contents);
  return true;
}

void TextLines::Clear() {
  count_ = 0;
  spans_.reset();
  text_ = rt::FileContents{};
}

std::string_view TextLines::operator[](size_t i) const {
  if (i >= count_) return {};
  Span s;
  std::memcpy(&s, spans_.get() + i * sizeof(Span), sizeof s);
  return {reinterpret_cast<const char*>(text_.data()) + s.offset, s.length};
}

}  // namespace lizhi::app
