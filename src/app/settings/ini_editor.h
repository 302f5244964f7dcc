// Sets one key of an INI file's text and keeps every other byte as it was, so a
// settings file holding anything else (notes, damage, binary garbage) is never
// rewritten by the program. The result stays readable by the platform's INI
// functions: a "[section]" line, then "key=value" lines, CR LF line ends.
#pragma once
#include <string>
#include <string_view>

namespace lizhi::app {

// The file text with `key` of `section` set to `value`: the key's line is
// replaced where the section has it, else a line is added at the end of the
// section, else the section is added at the end of the text. Section and key
// names match as the platform matches them: blanks around them ignored, ASCII
// letters compared without case.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);
// The file text without the key's line (and its line end) in the section; the
// text as it was when the section has no such key.
std::string RemoveIniValue(std::string_view text, std::string_view section, std::string_view key);

}  // namespace lizhi::app
