#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "runtime/input_box/input_box.h"
#include "runtime/input_box/input_box_layout.h"

namespace lizhi::rt {

namespace {

static_assert(sizeof(DLGTEMPLATE) == 18 && sizeof(DLGITEMTEMPLATE) == 18, "dialog templates are packed");

// Builds a DLGTEMPLATE with its items in memory. The template's texts are
// UTF-16 whatever the code page, so the fixed Chinese texts are given that way.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, const InputBoxLayout& layout, const wchar_t* caption, WORD pointSize,
                 const wchar_t* font) {
    Align();
    DLGTEMPLATE head{style, 0, static_cast<WORD>(layout.itemCount), 0, 0, layout.width, layout.height};
    Append(&head, sizeof head);
    Word(0);  // no menu
    Word(0);  // the standard dialog class
    String(caption);
    Word(pointSize);
    String(font);
  }

  void Item(const InputBoxItem& item, DWORD style, const wchar_t* text) {
    Align();
    DLGITEMTEMPLATE head{style | WS_CHILD | WS_VISIBLE, 0, item.x, item.y, item.cx, item.cy, item.id};
    Append(&head, sizeof head);
    Word(0xFFFF);
    Word(item.classAtom);
    String(text);
    Word(0);  // no creation data
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Append(const void* data, size_t bytes) {
    auto* w = static_cast<const WORD*>(data);
    words_.insert(words_.end(), w, w + bytes / sizeof(WORD));
  }
  void Word(WORD w) { words_.push_back(w); }
  void String(const wchar_t* s) {
    for (; *s; ++s) words_.push_back(static_cast<WORD>(*s));
    words_.push_back(0);
  }
  void Align() {
    if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
  }
  std::vector<WORD> words_;
};

// The fixed texts of the box, UTF-16.
constexpr wchar_t kCaption[] = L"\u8BF7\u8F93\u5165\uFF1A";      // 请输入：
constexpr wchar_t kConfirm[] = L"\u786E\u8BA4\u8F93\u5165(&O)";  // 确认输入(&O)
constexpr wchar_t kCancel[] = L"\u53D6\u6D88(&C)";               // 取消(&C)
constexpr wchar_t kFont[] = L"\u5B8B\u4F53";                     // 宋体
constexpr WORD kFontPoints = 9;

struct DialogState {
  const InputBoxRequest* request;
  std::string* typed;
};

LRESULT CALLBACK FilterTyping(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR mode) {
  if (message == WM_CHAR && !AcceptsTypedChar(static_cast<int32_t>(mode), static_cast<unsigned>(wParam))) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, &FilterTyping, id);
  return DefSubclassProc(edit, message, wParam, lParam);
}

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

INT_PTR CALLBACK InputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<DialogState*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const InputBoxRequest& r = *state->request;
      if (!r.title.empty()) SetWindowTextA(dialog, r.title.c_str());
      SetDlgItemTextA(dialog, kPromptId, r.prompt.c_str());
      HWND edit = GetDlgItem(dialog, kEditId);
      SetWindowTextA(edit, r.initial.c_str());
      SetWindowSubclass(edit, &FilterTyping, 1, static_cast<DWORD_PTR>(r.mode));
      SendMessageA(edit, EM_SETSEL, 0, -1);
      SendMessageA(edit, EM_SCROLLCARET, 0, 0);
      SetFocus(edit);
      return FALSE;  // the focus was set here
    }
    case WM_COMMAND: {
      auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
      if (LOWORD(wParam) == IDOK) {
        *state->typed = WindowText(GetDlgItem(dialog, kEditId));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

// Window styles of the items by role.
DWORD ItemStyle(const InputBoxItem& item, int32_t mode) {
  switch (item.role) {
    case InputBoxRole::kFrame:
      return SS_SUNKEN;
    case InputBoxRole::kPrompt:
      return SS_LEFT;
    case InputBoxRole::kEdit:
      return WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (mode == kInputPassword ? ES_PASSWORD : 0);
    case InputBoxRole::kConfirm:
      return WS_TABSTOP | BS_DEFPUSHBUTTON;
    case InputBoxRole::kCancel:
      return WS_TABSTOP | BS_PUSHBUTTON;
  }
  return 0;
}

const wchar_t* ItemText(const InputBoxItem& item) {
  if (item.role == InputBoxRole::kConfirm) return kConfirm;
  if (item.role == InputBoxRole::kCancel) return kCancel;
  return L"";
}

}  // namespace

bool RunInputBox(const InputBoxRequest& request, std::string& typed) {
  const InputBoxLayout& layout = LayoutFor(!request.prompt.empty());
  DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, layout, kCaption,
                        kFontPoints, kFont);
  for (size_t i = 0; i < layout.itemCount; ++i)
    dialog.Item(layout.items[i], ItemStyle(layout.items[i], request.mode), ItemText(layout.items[i]));
  DialogState state{&request, &typed};
  INT_PTR answer = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.get(), GetActiveWindow(), &InputDialogProc,
                                           reinterpret_cast<LPARAM>(&state));
  return answer == IDOK;
}

}  // namespace lizhi::rt
