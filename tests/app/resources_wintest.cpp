// lizhi.exe's resources read back from the built files, as Explorer and the
// loader read them: the version block, the icon group and the manifest, for the
// program of this build and for the 32-bit program users get; and the input box
// and the timed message box under the manifest's common controls 6.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "presenters/delay.h"
#include "runtime/base/win_handles.h"
#include "runtime/commands/command_call.h"
#include "runtime/input_box/input_box_layout.h"
#include "support/files.h"

namespace lizhi {
namespace {

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// A file of a build folder as Windows sees it.
std::wstring BuildExe(const std::string& relative) {
  return Wide(test::WindowsPath(std::string(LIZHI_BUILD_DIR) + "/" + relative));
}

// This build's program and the 32-bit one that ships (the same file where the
// Windows tiers run 32-bit).
std::vector<std::wstring> Programs() { return {BuildExe("lizhi.exe"), BuildExe("../win32/lizhi.exe")}; }

::testing::AssertionResult Present(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "missing " << std::string(path.begin(), path.end());
}

// The program's resources without running it.
class ResourceFile {
 public:
  explicit ResourceFile(const std::wstring& path)
      : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ResourceFile(const ResourceFile&) = delete;
  ResourceFile& operator=(const ResourceFile&) = delete;
  bool ok() const { return static_cast<bool>(module_); }
  std::string Bytes(LPCWSTR name, LPCWSTR type) const {
    HRSRC found = FindResourceW(module_.get(), name, type);
    if (!found) return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module_.get(), found)));
    return data ? std::string(data, SizeofResource(module_.get(), found)) : std::string();
  }

 private:
  win::Module module_;
};

std::wstring VersionString(const std::vector<char>& block, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
  if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
  return value;
}

TEST(ResourcesWin, VersionBlockCarriesTheProjectVersionAndNames) {
  unsigned major = 0, minor = 0, patch = 0;
  ASSERT_EQ(std::sscanf(LIZHI_VERSION, "%u.%u.%u", &major, &minor, &patch), 3);
  const std::wstring version = Wide(LIZHI_VERSION);
  for (const std::wstring& exe : Programs()) {
    SCOPED_TRACE(std::string(exe.begin(), exe.end()));
    ASSERT_TRUE(Present(exe));
    std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, major << 16 | minor);
    EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
    EXPECT_EQ(fixed->dwProductVersionMS, major << 16 | minor);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(VersionString(block, L"FileVersion"), version);
    EXPECT_EQ(VersionString(block, L"ProductVersion"), version);
    EXPECT_EQ(VersionString(block, L"ProductName"), L"lizhi \x52B1\x5FD7");  // 励志
    EXPECT_EQ(VersionString(block, L"FileDescription"), L"\x52B1\x5FD7 reminder");
    EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"lizhi.exe");
    EXPECT_EQ(VersionString(block, L"LegalCopyright").rfind(L"Copyright (C) ", 0), 0u);
    EXPECT_NE(VersionString(block, L"Comments").find(L"MIT licence"), std::wstring::npos);
  }
}

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ResourcesWin, IconGroupHolds16And32And48PixelImagesThatLoad) {
  for (const std::wstring& exe : Programs()) {
    SCOPED_TRACE(std::string(exe.begin(), exe.end()));
    ASSERT_TRUE(Present(exe));
    ResourceFile file(exe);
    ASSERT_TRUE(file.ok());
    std::string group = file.Bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(GroupEntry));
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
      GroupEntry entry;
      memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
      EXPECT_EQ(entry.bitCount, 32);
      std::string image = file.Bytes(MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3));  // RT_ICON
      ASSERT_EQ(image.size(), entry.bytes);
      win::Icon icon(CreateIconFromResourceEx(reinterpret_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                                              TRUE, 0x00030000, entry.width, entry.height, 0));
      EXPECT_NE(icon.get(), nullptr) << "image " << int(entry.width);
      sizes.push_back(entry.width);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    // What Explorer asks for: the file's first icon.
    EXPECT_GE(ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0), 1u);
  }
}

TEST(ResourcesWin, ManifestAsksForCommonControls6AsInvokerPerMonitorDpiWithoutCodePage) {
  const char* required[] = {
      "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
      "level=\"asInvoker\"",
      "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
      "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
      "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
      "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
      ">PerMonitorV2, PerMonitor</dpiAwareness>",
  };
  // The older dpiAware element makes Wine draw controls' texts in the wrong code page; older
  // systems are made aware at start-up instead.
  const char* forbidden[] = {"<dpiAware>", "<dpiAware ", "activeCodePage", "requireAdministrator"};
  for (const std::wstring& exe : Programs()) {
    SCOPED_TRACE(std::string(exe.begin(), exe.end()));
    ASSERT_TRUE(Present(exe));
    ResourceFile file(exe);
    ASSERT_TRUE(file.ok());
    std::string manifest = file.Bytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    for (const char* text : required) EXPECT_NE(manifest.find(text), std::string::npos) << text;
    for (const char* text : forbidden) EXPECT_EQ(manifest.find(text), std::string::npos) << text;
  }
}

// The program's manifest made the calling thread's activation context, as the
// loader makes it for lizhi.exe.
class ProgramManifestActive {
 public:
  explicit ProgramManifestActive(const std::wstring& exe) {
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = exe.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    handle_ = CreateActCtxW(&context);
    if (handle_ != INVALID_HANDLE_VALUE && !ActivateActCtx(handle_, &cookie_)) cookie_ = 0;
  }
  ~ProgramManifestActive() {
    if (cookie_) DeactivateActCtx(0, cookie_);
    if (handle_ != INVALID_HANDLE_VALUE) ReleaseActCtx(handle_);
  }
  ProgramManifestActive(const ProgramManifestActive&) = delete;
  ProgramManifestActive& operator=(const ProgramManifestActive&) = delete;
  bool active() const { return cookie_ != 0; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
};

// Whether the input box's edit line took a cue banner, which only the common
// controls 6 edit line knows.
bool g_editIsThemed = false;

// Types "42" into the input box once it is up and presses OK.
VOID CALLBACK TypeAndConfirm(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = GetActiveWindow();
  HWND edit = box ? GetDlgItem(box, rt::kEditId) : nullptr;
  if (!edit) return;
  KillTimer(nullptr, timer);
  g_editIsThemed = SendMessageW(edit, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L"42")) != FALSE;
  SendMessageA(edit, WM_CHAR, '4', 1);
  SendMessageA(edit, WM_CHAR, '2', 1);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

TEST(ResourcesWin, InputBoxAndTimedBoxWorkUnderTheProgramsCommonControls6) {
  const std::wstring exe = BuildExe("lizhi.exe");
  ASSERT_TRUE(Present(exe));
  ProgramManifestActive manifest(exe);
  ASSERT_TRUE(manifest.active());

  int32_t value = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, &TypeAndConfirm);
  bool confirmed =
      rt::IntOf(rt::CallCommand("InputBox", {test::Text("prompt"), test::Text("LizhiThemedInput"), test::Text(""),
                                             test::Ref(&value, rt::kTypeInt), test::Int(2)})) != 0;
  KillTimer(nullptr, timer);
  EXPECT_TRUE(confirmed);
  EXPECT_EQ(value, 42);
  EXPECT_TRUE(g_editIsThemed);

  EXPECT_EQ(presenters::TimedMessageBox("closes by itself", MB_OKCANCEL, "LizhiThemedBox", nullptr, 500),
            presenters::kBoxTimedOut);
}

}  // namespace
}  // namespace lizhi
