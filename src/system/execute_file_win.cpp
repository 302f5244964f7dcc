// Handing a file to the shell with a verb: the program opens its text file in
// the user's editor this way.
#include <windows.h>
#include <shellapi.h>

#include "runtime/commands/call_form.h"
#include "system/autostart.h"

namespace lizhi::sys {

bool ExecuteFile(const ExecuteFileRequest& request) {
  // Values above 32 mean success.
  HINSTANCE answer = ShellExecuteA(nullptr, request.verb, request.file.c_str(),
                                   request.parameters ? request.parameters->c_str() : nullptr,
                                   request.directory.c_str(), request.showState);
  return reinterpret_cast<INT_PTR>(answer) > 32;
}

void ExecuteFileCommand(rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  ExecuteFile(ReadExecuteFileArgs(rt::CommandArgs(argCount, args)));
  rt::SetNone(result);
}

}  // namespace lizhi::sys
