// Scratch folders named after the process and the test, so parallel runs never share one.
#include "tests/support/scratch_folder.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace pw::test {
namespace {

// Never throws: it runs in TearDown, and a failure here must not hide the test's own result.
// A link is removed itself, never what it points to.
#ifdef _WIN32
// By hand, in the long form: Windows refuses to delete a read-only file, and the runtime's own
// walk cannot go beyond MAX_PATH, where some tests go.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found = {};
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..")
        continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      const DWORD attributes = found.dwFileAttributes;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        DeleteFileW(path.c_str());
      else if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        RemoveDirectoryW(path.c_str());
      else
        RemoveTree(path);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
}

void RemoveScratch(const std::filesystem::path& folder) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(folder, error);
  if (!error)
    RemoveTree(L"\\\\?\\" + std::filesystem::path(absolute).make_preferred().native());
}
#else
// A folder that its owner may not write or search keeps its contents.
void MakeRemovable(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
}

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
#endif

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
  // Process numbers come round again (Wine starts them over with each server): an earlier run's
  // folder may still be here.
  RemoveScratch(dir_);
  std::filesystem::create_directories(dir_);
  ASSERT_TRUE(std::filesystem::is_empty(dir_)) << "cannot empty " << dir_;
}

void ScratchFolderTest::TearDown() {
  RemoveScratch(dir_);
}

}  // namespace pw::test
