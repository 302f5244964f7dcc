// The text written to the default text file when it is missing: 31 lines of
// encouragement, GBK, lines joined by CR LF.
#pragma once
#include <cstddef>
#include <string_view>

namespace lizhi::data {

constexpr size_t kBuiltInTextSize = 564;
std::string_view BuiltInText();

}  // namespace lizhi::data
