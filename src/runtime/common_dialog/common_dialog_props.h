// The stored properties of a CommonDlg unit (own indexes 8..29), their block
// and the rules for turning them into the platform's dialog parameters.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

enum CommonDialogKind : int32_t { kDialogOpen = 0, kDialogSave = 1, kDialogFont = 2, kDialogHelp = 3 };

struct CommonDlgProps {
  int32_t dialogKind = kDialogOpen;  // 8
  std::string title;                 // 9
  std::string fileName;              // 10: after a confirmed file dialog, the chosen path
  std::string filter;                // 11: "description|pattern|..."
  int32_t filterIndex = 0;           // 12: 0-based
  std::string initialDirectory;      // 13
  std::string defaultExtension;      // 14
  bool createPrompt = false;         // 15
  bool fileMustExist = true;         // 16
  bool overwritePrompt = true;       // 17
  bool pathMustExist = true;         // 18
  bool keepDirectory = false;        // 19
  int32_t fontColor = 0;             // 20
  bool bold = false;                 // 21
  bool italic = false;               // 22
  bool underline = false;            // 23
  bool strikeOut = false;            // 24
  std::string fontName;              // 25
  int32_t fontSize = 0;              // 26: points
  std::string helpFile;              // 27
  int32_t helpCommand = 0;           // 28
  int32_t helpContext = 0;           // 29
};

constexpr int32_t kCommonDlgFirstIndex = 8;
constexpr int32_t kCommonDlgLastIndex = 29;
constexpr uint32_t kCommonDlgBlockVersion = 1;

// The block: version 1, then the values in index order (integers and logicals
// 32-bit, texts zero-terminated). No block gives the defaults; a damaged block
// or one of a later version is refused (false, the defaults are kept).
bool LoadCommonDlgBlock(const uint8_t* block, size_t size, CommonDlgProps& props);
std::vector<uint8_t> SaveCommonDlgBlock(const CommonDlgProps& props);

// Writing and reading own property `ownIndex` (index - 8). Written values are
// normalised (kind and help command clamped, negative filter index and size
// stored as 0). A text read comes back as a fresh runtime copy. False for an
// index the unit does not have.
bool WriteCommonDlgProperty(CommonDlgProps& props, int32_t ownIndex, const TypedValue& value);
bool ReadCommonDlgProperty(const CommonDlgProps& props, int32_t ownIndex, TypedValue& out);

// File dialog parameters.
namespace ofn {
constexpr uint32_t kOverwritePrompt = 0x00000002;
constexpr uint32_t kHideReadOnly = 0x00000004;
constexpr uint32_t kNoChangeDir = 0x00000008;
constexpr uint32_t kPathMustExist = 0x00000800;
constexpr uint32_t kFileMustExist = 0x00001000;
constexpr uint32_t kCreatePrompt = 0x00002000;
}  // namespace ofn
uint32_t FileDialogFlags(const CommonDlgProps& props);
// "a|*.a|b|*.b" as the platform wants it: every part zero-terminated and one
// more zero at the end. Bars inside double-byte characters are not separators.
std::string FileDialogFilter(std::string_view filter);
// 1-based index into the filter pairs, 0 without a filter.
int32_t FileDialogFilterIndex(const CommonDlgProps& props);

// The help file: property 27, or the executable's name with the extension
// "hlp" in the program directory.
std::string HelpFilePath(const CommonDlgProps& props, std::string_view programDirectory,
                         std::string_view executableName);

}  // namespace lizhi::rt
