// What a line of text from a file may make the program open: only web and
// mail addresses, and only images from local paths. A tip's text can come from
// a downloaded file, so nothing in it may start a program or reach a server.
#pragma once
#include <string>
#include <string_view>

namespace lizhi::tip {

// True for http:, https: and mailto: addresses (the scheme in any case)
// holding no double quote and no control character.
bool IsOpenableAddress(std::string_view target);

// The command line that opens target with the ".htm" class's open command:
// the command up to its "%1" (quoted or not), then the target quoted as one
// argument. The target must be an openable address.
std::string BrowserCommandLine(std::string_view openCommand, std::string_view target);

// True for a path on this machine: no UNC or device path, no scheme or other
// address the shell would fetch.
bool IsLocalPath(std::string_view path);

}  // namespace lizhi::tip
