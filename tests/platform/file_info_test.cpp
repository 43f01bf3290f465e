// File lookup on the host: attribute words, size, last-write time, setting read-only.
#include "platform/file_info.h"

#include <gtest/gtest.h>

#include <fstream>

namespace pw {
namespace {

class FileInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::filesystem::temp_directory_path() /
        ("pw_fi_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FileInfoTest, AttributeWordsAsTheHostReportsThem) {
  { std::ofstream(dir_ / "plain.txt") << "12345"; }
  { std::ofstream(dir_ / ".hidden") << "x"; }
  std::filesystem::create_directories(dir_ / "folder");
  struct Case {
    const char* name;
    uint32_t attributes;
  };
  const Case cases[] = {{"plain.txt", 0x20}, {".hidden", 0x22}, {"folder", 0x10}};
  for (const Case& c : cases) {
    const std::optional<FileInfo> info = FindFile(dir_ / c.name);
    ASSERT_TRUE(info) << c.name;
    EXPECT_EQ(info->attributes, c.attributes) << c.name;
    EXPECT_EQ(info->path, dir_ / c.name);
    EXPECT_TRUE(info->lastWrite);
  }
  EXPECT_EQ(FindFile(dir_ / "plain.txt")->size, 5u);
  EXPECT_FALSE(FindFile(dir_ / "missing.txt"));
}

TEST_F(FileInfoTest, ReadOnlyComesAndGoesWithTheWritePermission) {
  const auto path = dir_ / "file.txt";
  { std::ofstream(path) << "x"; }
  ASSERT_TRUE(SetFileAttributeWord(path, 0x21));
  EXPECT_EQ(FindFile(path)->attributes, 0x21u);
  ASSERT_TRUE(SetFileAttributeWord(path, 0x20));
  EXPECT_EQ(FindFile(path)->attributes, 0x20u);
  EXPECT_FALSE(SetFileAttributeWord(dir_ / "missing.txt", 0x20));
}

}  // namespace
}  // namespace pw
