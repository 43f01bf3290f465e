// Temporary files: the prefix, the folder, unique names, removal.
#include "platform/temp_file.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace pw {
namespace {

TEST(TempFile, UniqueFilesWithThePrefixThatGoAway) {
  const auto folder = std::filesystem::temp_directory_path() / "pw_temp_file_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::path kept;
  {
    TemporaryFile first(folder, "FC");
    TemporaryFile second(folder, "FC");
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_EQ(first.Path().parent_path(), folder);
    EXPECT_EQ(first.Path().filename().string().rfind("FC", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(first.Path()));
    kept = first.Path();
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  EXPECT_THROW(CreateTempFile(folder / "missing", "FC"), FileCreateError);
  TemporaryFile inSystemFolder({}, "FC");
  // Windows gives the system's folder with a final separator, which "/" keeps and adds.
  EXPECT_EQ(inSystemFolder.Path().parent_path() / "", std::filesystem::temp_directory_path() / "");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pw
