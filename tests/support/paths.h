// Where tests find the sources, the build and the shared test material.
#pragma once
#include <string>

namespace lizhi::test {
inline std::string SharedDir() { return LIZHI_SHARED_DIR; }
inline std::string SourceDir() { return LIZHI_SOURCE_DIR; }
inline std::string BuildDir() { return LIZHI_BUILD_DIR; }
}  // namespace lizhi::test
