// The about box's prose (GBK): it ends with "正在播放:<<", to which the box
// appends the text's title and ">>".
#pragma once
#include <cstddef>
#include <string_view>

namespace lizhi::data {

constexpr size_t kAboutTextSize = 2524;
std::string_view AboutText();

}  // namespace lizhi::data
