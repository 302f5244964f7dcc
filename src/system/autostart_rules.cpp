#include "system/autostart_rules.h"

namespace lizhi::sys {

namespace {

struct VerbRow {
  int32_t number;
  const char* verb;
};
constexpr VerbRow kVerbs[] = {{1, "edit"}, {2, "explore"}, {3, "find"}, {4, "open"}, {5, "print"}};

// The platform's show states (SW_*), so that this table builds everywhere.
constexpr int32_t kSwHide = 0, kSwShowNormal = 1, kSwShowMinimized = 2, kSwShowMaximized = 3, kSwMinimize = 6,
                  kSwShowNa = 8;
struct ShowRow {
  int32_t mode;
  int32_t state;
};
constexpr ShowRow kShowStates[] = {{1, kSwHide},          {2, kSwShowNormal}, {3, kSwShowMinimized},
                                   {4, kSwShowMaximized}, {5, kSwShowNa},     {6, kSwMinimize}};

constexpr int32_t kExecuteArgsWithShowMode = 5;

}  // namespace

AutoStartMethod ChooseAutoStartMethod(std::optional<int32_t> method) {
  return method == 1 ? AutoStartMethod::kShortcut : AutoStartMethod::kRegistry;
}

std::string RunValueData(std::string_view path) {
  bool quoted = path.size() >= 2 && path.front() == '"' && path.back() == '"';
  if (quoted || path.find(' ') == std::string_view::npos) return std::string(path);
  std::string data;
  data.reserve(path.size() + 2);
  data += '"';
  data += path;
  data += '"';
  return data;
}

std::string StartupShortcutPath(std::string_view startupFolder, std::string_view name) {
  std::string path(startupFolder);
  path += '\\';
  path += name;
  path += ".lnk";
  return path;
}

std::string_view FolderOf(std::string_view path) {
  size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(0, slash);
}

const char* ShellVerb(int32_t verb) {
  for (const VerbRow& row : kVerbs) {
    if (row.number == verb) return row.verb;
  }
  return nullptr;
}

int32_t ShowState(std::optional<int32_t> mode) {
  if (mode) {
    for (const ShowRow& row : kShowStates) {
      if (row.mode == *mode) return row.state;
    }
  }
  return kSwShowNormal;
}

ExecuteFileRequest ReadExecuteFileArgs(const rt::CommandArgs& args) {
  ExecuteFileRequest request;
  request.verb = args.Given(0) ? ShellVerb(args.Int(0)) : nullptr;
  request.file = std::string(args.Text(1));
  if (args.Given(2)) request.parameters = std::string(args.Text(2));
  if (args.Given(3)) request.directory = std::string(args.Text(3));
  std::optional<int32_t> mode;
  if (args.count() == kExecuteArgsWithShowMode && args.Given(4)) mode = args.Int(4);
  request.showState = ShowState(mode);
  return request;
}

}  // namespace lizhi::sys
