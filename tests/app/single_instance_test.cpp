#include "app/single_instance.h"

#include <gtest/gtest.h>

namespace lizhi::app {
namespace {

TEST(SingleInstance, OneNamePerDirectoryWhateverItsCase) {
  const std::string name = InstanceName("C:\\Program Files\\lizhi");
  EXPECT_EQ(InstanceName("c:\\PROGRAM FILES\\LIZHI"), name);
  EXPECT_NE(InstanceName("C:\\Program Files\\lizhi2"), name);
  EXPECT_EQ(name.find('\\'), std::string::npos);
  // The second byte of 乗 (0x81 0x5C) and of 乤 (0x81 0x61) is no letter to fold.
  EXPECT_NE(InstanceName("C:\\\x81\x61"), InstanceName("C:\\\x81\x41"));
}

}  // namespace
}  // namespace lizhi::app
