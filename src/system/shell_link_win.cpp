#include "system/shell_link_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "runtime/base/win_handles.h"
#include "system/autostart_rules.h"

namespace lizhi::sys {

std::optional<std::string> StartupFolder() {
  char folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE)) return std::nullopt;
  return std::string(folder);
}

bool CreateShortcut(const std::string& linkPath, const std::string& target) {
  win::ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid()))) {
    return false;
  }
  if (FAILED(link->SetPath(target.c_str()))) return false;
  win::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) return false;
  wchar_t widePath[MAX_PATH] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH)) return false;
  return SUCCEEDED(file->Save(widePath, TRUE));
}

void NotifyShellOfChange(ShellChange change, const std::string& path) {
  const LONG event = change == ShellChange::kCreated ? SHCNE_CREATE : SHCNE_DELETE;
  constexpr UINT kFlags = SHCNF_PATHA | SHCNF_FLUSH;
  SHChangeNotify(event | SHCNE_INTERRUPT, kFlags, path.c_str(), nullptr);
  const std::string folder(FolderOf(path));
  SHChangeNotify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, kFlags, folder.c_str(), nullptr);
}

}  // namespace lizhi::sys
