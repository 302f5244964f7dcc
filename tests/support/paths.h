// Where tests find the sources, the build and the test material kept in tests/data.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lizhi::test {
inline std::string SourceDir() { return LIZHI_SOURCE_DIR; }
inline std::string BuildDir() { return LIZHI_BUILD_DIR; }
inline std::string TestDataDir() { return SourceDir() + "/tests/data"; }
inline std::string MpegDataDir() { return TestDataDir() + "/mpeg"; }

// A test that needs a file fails at once, naming it, instead of waiting for
// something that can never happen: ASSERT_TRUE(HasFile(path)).
inline ::testing::AssertionResult HasFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "missing test file " << path;
}
}  // namespace lizhi::test
