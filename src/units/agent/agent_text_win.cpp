#include <windows.h>

#include "units/agent/agent_com_win.h"

namespace lizhi::agent {

std::wstring WideFromLocal(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), n);
  return out;
}

std::string LocalFromWide(const wchar_t* text, size_t length) {
  if (!text || length == 0) return {};
  const int size = static_cast<int>(length);
  const int n = WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, size, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace lizhi::agent
