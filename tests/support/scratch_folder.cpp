// Scratch folders named after the process and the test, so parallel runs never share one.
#include "tests/support/scratch_folder.h"

#include <string>
#include <system_error>

#include "platform/file_info.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace pw::test {
namespace {

// Windows refuses to delete a read-only file; POSIX cannot empty a folder that its owner may not
// write or search.
void MakeRemovable(const std::filesystem::path& path) {
#ifdef _WIN32
  SetFileAttributeWord(path, 0);
#else
  std::error_code ignored;
  std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
#endif
}

// Never throws: it runs in TearDown, and a failure here must not hide the test's own result.
// A link is left as it is, never what it points to; the walk does not follow links either.
void RemoveScratch(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(std::filesystem::symlink_status(folder, error)))
    return;
  MakeRemovable(folder);
  const auto options = std::filesystem::directory_options::skip_permission_denied;
  std::filesystem::recursive_directory_iterator it(folder, options, error);
  for (const std::filesystem::recursive_directory_iterator end; !error && it != end;
       it.increment(error)) {
    std::error_code linkError;
    if (!it->is_symlink(linkError) && !linkError)
      MakeRemovable(it->path());
  }
  std::filesystem::remove_all(folder, error);
}

}  // namespace

void ScratchFolderTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name) {
    if (c == '/')
      c = '_';
  }
  dir_ =
      std::filesystem::temp_directory_path() / ("pw_test_" + std::to_string(getpid()) + "_" + name);
  // Process numbers come round again (under Wine within a few runs): an earlier run's folder
  // may still be here.
  RemoveScratch(dir_);
  std::filesystem::create_directories(dir_);
  ASSERT_TRUE(std::filesystem::is_empty(dir_)) << "cannot empty " << dir_;
}

void ScratchFolderTest::TearDown() {
  RemoveScratch(dir_);
}

}  // namespace pw::test
