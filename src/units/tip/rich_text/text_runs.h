// What a text run becomes before it is measured: the style's transform, then
// the character entities, each replaced in turn over the whole run.
#pragma once
#include <string>
#include <string_view>

#include "units/tip/rich_text/text_style.h"

namespace lizhi::tip {

std::string ApplyTransform(std::string_view run, Transform transform);
// Entities are replaced one after another in a fixed order, so "&amp;lt;"
// becomes the text "&lt;", not "<".
std::string ReplaceEntities(std::string run);
std::string PrepareRun(std::string_view run, Transform transform);

}  // namespace lizhi::tip
