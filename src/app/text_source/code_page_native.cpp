// The code page natively is GBK, through the C library's converter.
#include <iconv.h>

#include "app/text_source/text_encoding.h"

namespace lizhi::app {

size_t Utf16ToCodePage(std::u16string_view text, char* out) {
  iconv_t cd = iconv_open("GBK", "UTF-16LE");
  char* start = out;
  for (size_t i = 0; i < text.size();) {
    size_t n = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
    char in[4];
    for (size_t k = 0; k < n; ++k) {
      in[2 * k] = static_cast<char>(text[i + k] & 0xFF);
      in[2 * k + 1] = static_cast<char>(text[i + k] >> 8);
    }
    char* src = in;
    size_t srcLeft = 2 * n, dstLeft = 2;
    char* dst = out;
    if (cd == reinterpret_cast<iconv_t>(-1) || iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
      if (cd != reinterpret_cast<iconv_t>(-1)) iconv(cd, nullptr, nullptr, nullptr, nullptr);
      *out++ = '?';
    } else {
      out = dst;
    }
    i += n;
  }
  if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  return static_cast<size_t>(out - start);
}

}  // namespace lizhi::app
