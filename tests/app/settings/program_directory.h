// Points the runtime's program directory at a fresh temporary directory for
// one test, and back afterwards.
#pragma once
#include <string>

#include "runtime/base/runtime_state.h"
#include "runtime/commands/temp_dir.h"

namespace lizhi::test {

class TempProgramDirectory {
 public:
  TempProgramDirectory() : saved_(rt::Runtime().programDirectory) { rt::Runtime().programDirectory = dir_.path(); }
  ~TempProgramDirectory() { rt::Runtime().programDirectory = saved_; }
  TempProgramDirectory(const TempProgramDirectory&) = delete;
  TempProgramDirectory& operator=(const TempProgramDirectory&) = delete;

  std::string path() const { return dir_.path(); }
  std::string operator/(const std::string& name) const { return dir_ / name; }

 private:
  TempDir dir_;
  std::string saved_;
};

}  // namespace lizhi::test
