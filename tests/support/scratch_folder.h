// A folder of its own for each test, under the system's temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace pw::test {

// dir_ is created empty before the test and removed after it, read-only parts included.
class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path dir_;
};

}  // namespace pw::test
