// A fresh directory for one test, removed with everything in it afterwards.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lizhi::test {

class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("lizhi_" + std::string(info ? info->test_suite_name() : "t") + "_" + (info ? info->name() : "t"));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory in the program's own path form (backslashes on Windows).
  std::string path() const { return path_.string(); }
  // A path inside it, with `name` given with backslashes as the program does.
  std::string operator/(const std::string& name) const { return path() + "\\" + name; }

 private:
  std::filesystem::path path_;
};

}  // namespace lizhi::test
