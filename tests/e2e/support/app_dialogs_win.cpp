#include "e2e/support/app_dialogs_win.h"

#include <vector>

namespace lizhi::test {

namespace {

constexpr int kInputEditId = 1002;
// The explorer-style dialog's file-name field is a combo box (cmb13) on Windows
// and in newer Wine, an edit (edt1) in older layouts.
constexpr int kFileNameComboId = 0x47C;
constexpr int kFileNameEditId = 0x480;
constexpr UINT kReplyLimitMs = 2000;

}  // namespace

std::string TextOfWindow(HWND window) {
  std::vector<char> text(1024, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kReplyLimitMs, &copied))
    return {};
  return std::string(text.data());
}

std::string StripLine(HWND startupWindow) {
  HWND label = FindWindowExA(startupWindow, nullptr, "Static", nullptr);
  return label ? TextOfWindow(label) : std::string();
}

HWND InputBoxEdit(HWND dialog) { return GetDlgItem(dialog, kInputEditId); }

void TypeInto(HWND edit, const std::string& text) {
  for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

HWND FileNameField(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, kFileNameComboId)) {
    if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr)) return edit;
  }
  return GetDlgItem(dialog, kFileNameEditId);
}

bool ChooseFile(HWND dialog, const std::string& path) {
  HWND field = FileNameField(dialog);
  if (!field) return false;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, kReplyLimitMs,
                      &ignored);
  PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  return true;
}

}  // namespace lizhi::test
