// Text between the local code page and the UTF-16 of COM.
#pragma once
#include <string>
#include <string_view>

namespace lizhi::agent {

// Text of the local code page as UTF-16, and back.
std::wstring WideFromLocal(std::string_view text);
std::string LocalFromWide(const wchar_t* text, size_t length);

}  // namespace lizhi::agent
