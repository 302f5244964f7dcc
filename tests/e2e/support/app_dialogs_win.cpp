#include "e2e/support/app_dialogs_win.h"

#include <vector>

#include "support/pump_win.h"

namespace lizhi::test {

namespace {

constexpr int kInputEditId = 1002;
// The explorer-style dialog's file-name field is the edit inside the combo box
// cmb13 (an extended combo box under Wine), or the edit edt1 in older layouts.
constexpr int kFileNameComboId = 0x47C;
constexpr int kFileNameEditId = 0x480;
constexpr UINT kReplyLimitMs = 2000;

struct ControlSearch {
  const char* className;
  int id;
  HWND found = nullptr;
};

// A descendant window of the class with the control id.
BOOL CALLBACK FindControl(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  char cls[32] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (GetDlgCtrlID(window) != search->id || lstrcmpiA(cls, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

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
  ControlSearch search{"Edit", kFileNameComboId};
  EnumChildWindows(dialog, &FindControl, reinterpret_cast<LPARAM>(&search));
  return search.found ? search.found : GetDlgItem(dialog, kFileNameEditId);
}

bool ChooseFile(HWND dialog, const std::string& path) {
  // The dialog fills its file name field while it starts: a name typed before
  // that would be replaced by the program's own, and on a loaded machine that
  // may come late. So the name is typed until the field still holds it a
  // moment later on a dialog that shows.
  HWND field = nullptr;
  const bool typed = WaitUntil(
      [&] {
        if (!IsWindowVisible(dialog) || !(field = FileNameField(dialog))) return false;
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG,
                            kReplyLimitMs, &ignored);
        PumpFor(50);
        if (TextOfWindow(field) != path) return false;
        PumpFor(250);
        return TextOfWindow(field) == path;
      },
      5000);
  if (!typed) return false;
  // The dialog's list view and toolbar may carry id 1 too: the button is meant.
  ControlSearch open{"Button", IDOK};
  EnumChildWindows(dialog, &FindControl, reinterpret_cast<LPARAM>(&open));
  if (!open.found) return false;
  PostMessageA(open.found, BM_CLICK, 0, 0);
  return true;
}

}  // namespace lizhi::test
