// Stored paths ("file", "MP3"): a file inside the program directory is stored
// relative to it, beginning with a backslash, so it is found again after the
// program directory has moved.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lizhi::app {

// The value as written when it exists, else program directory + "\" + value
// with every "\\" collapsed to "\" when that exists; none otherwise.
std::optional<std::string> ResolveStoredPath(std::string_view value);
// `chosen` without the program directory in front when it lies inside it (the
// directory, compared with ASCII letters lower-cased, followed by "\"), else
// unchanged.
std::string ToStoredPath(std::string_view chosen);

// The pure rules, with the program directory given.
std::string JoinProgramDirectory(std::string_view programDirectory, std::string_view value);
std::string StripProgramDirectory(std::string_view programDirectory, std::string_view chosen);

}  // namespace lizhi::app
