#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/base/runtime_state.h"
#include "runtime/base/win_handles.h"
#include "runtime/commands/files.h"
#include "runtime/common_dialog/common_dialog_unit.h"
#include "runtime/common_dialog/open_common_dialog.h"
#include "runtime/frame/frame.h"

namespace lizhi::rt {

namespace {

static_assert(ofn::kOverwritePrompt == OFN_OVERWRITEPROMPT && ofn::kHideReadOnly == OFN_HIDEREADONLY &&
              ofn::kNoChangeDir == OFN_NOCHANGEDIR && ofn::kPathMustExist == OFN_PATHMUSTEXIST &&
              ofn::kFileMustExist == OFN_FILEMUSTEXIST && ofn::kCreatePrompt == OFN_CREATEPROMPT);

// Room for the chosen path; long paths beyond MAX_PATH are allowed for.
constexpr size_t kPathBuffer = 4096;

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

bool RunFileDialog(CommonDlgProps& props, HWND owner) {
  std::string filter = FileDialogFilter(props.filter);
  std::string path(kPathBuffer, '\0');
  std::memcpy(path.data(), props.fileName.data(), std::min(props.fileName.size(), kPathBuffer - 1));

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FileDialogFilterIndex(props));
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  ofn.lpstrInitialDir = OrNull(props.initialDirectory);
  ofn.lpstrTitle = OrNull(props.title);
  ofn.lpstrDefExt = OrNull(props.defaultExtension);
  ofn.Flags = FileDialogFlags(props);
  BOOL chosen = props.dialogKind == kDialogSave ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return false;
  props.fileName = path.c_str();
  return true;
}

bool RunFontDialog(CommonDlgProps& props, HWND owner) {
  LOGFONTA font{};
  {
    win::WindowDc screen(nullptr);
    font.lfHeight = -MulDiv(props.fontSize, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  }
  font.lfWeight = props.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = props.italic;
  font.lfUnderline = props.underline;
  font.lfStrikeOut = props.strikeOut;
  font.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(font.lfFaceName, props.fontName.c_str(), LF_FACESIZE - 1);

  CHOOSEFONTA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.lpLogFont = &font;
  choose.rgbColors = static_cast<COLORREF>(props.fontColor);
  choose.Flags =
      CF_SCREENFONTS | CF_EFFECTS | (props.fontSize > 0 || !props.fontName.empty() ? CF_INITTOLOGFONTSTRUCT : 0);
  if (!ChooseFontA(&choose)) return false;
  props.fontColor = static_cast<int32_t>(choose.rgbColors);
  props.bold = font.lfWeight >= FW_BOLD;
  props.italic = font.lfItalic != 0;
  props.underline = font.lfUnderline != 0;
  props.strikeOut = font.lfStrikeOut != 0;
  props.fontName = font.lfFaceName;
  props.fontSize = choose.iPointSize / 10;
  return true;
}

// Help commands 0..5 of the property, as WinHelp commands.
constexpr UINT kHelpCommands[] = {HELP_CONTENTS, HELP_CONTEXT, HELP_INDEX, HELP_HELPONHELP, HELP_QUIT, HELP_FINDER};

bool RunHelp(const CommonDlgProps& props, HWND owner) {
  std::string file = HelpFilePath(props, Runtime().programDirectory, Runtime().executableName);
  if (!FileExists(file.c_str())) return false;
  UINT command = kHelpCommands[std::clamp(props.helpCommand, 0, 5)];
  ULONG_PTR data = command == HELP_CONTEXT ? static_cast<ULONG_PTR>(props.helpContext) : 0;
  return WinHelpA(owner, file.c_str(), command, data) != 0;
}

}  // namespace

bool RunCommonDialog(CommonDlgProps& props, void* ownerWindow) {
  HWND owner = static_cast<HWND>(ownerWindow);
  switch (props.dialogKind) {
    case kDialogOpen:
    case kDialogSave:
      return RunFileDialog(props, owner);
    case kDialogFont:
      return RunFontDialog(props, owner);
    case kDialogHelp:
      return RunHelp(props, owner);
    default:
      return false;
  }
}

bool OpenCommonDialogOfUnit(uint32_t windowId, uint32_t unitId) {
  auto* unit = static_cast<CommonDlgUnit*>(UnitObject(windowId, unitId));
  if (!unit) return false;
  HWND owner = unit->window ? GetParent(static_cast<HWND>(unit->window)) : nullptr;
  return RunCommonDialog(unit->props, owner);
}

}  // namespace lizhi::rt
