// Files on Windows: attribute words set and read back, read-only files, share modes, drive
// letters and both separators, paths beyond MAX_PATH.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "platform/errors.h"
#include "platform/file_info.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("pw_win32_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    RemoveAll(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { RemoveAll(dir_); }

  // By hand: read-only files refuse deletion on Windows, and the runtime's own folder walk
  // cannot go beyond MAX_PATH.
  static void RemoveAll(const std::filesystem::path& folder) {
    RemoveTree(LongForm(folder).native());
  }
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found = {};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
          continue;
        const std::wstring path = folder + L"\\" + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
          RemoveTree(path);
        else
          DeleteFileW(path.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
  }
  static std::filesystem::path LongForm(const std::filesystem::path& path) {
    return L"\\\\?\\" + std::filesystem::absolute(path).make_preferred().native();
  }
  static void Write(const std::filesystem::path& path, const std::string& bytes) {
    FileStream(path, file_mode::kCreate).WriteExact(bytes.data(), bytes.size());
  }
  static std::string Read(const std::filesystem::path& path) {
    FileStream stream(path, file_mode::kReadShareAll);
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadExact(bytes.data(), bytes.size());
    return bytes;
  }
  std::filesystem::path dir_;
};

TEST_F(Win32FilesTest, AttributeWordsAreSetAndReadBack) {
  const auto file = dir_ / "file.txt";
  Write(file, "x");
  // With the archive bit, which Wine keeps on every file.
  const uint32_t words[] = {0x20, 0x21, 0x22, 0x24, 0x27};
  for (const uint32_t word : words) {
    SCOPED_TRACE(word);
    ASSERT_TRUE(SetFileAttributeWord(file, word));
    EXPECT_EQ(FindFile(file)->attributes, word);
  }
  const auto folder = dir_ / "folder";
  std::filesystem::create_directory(folder);
  ASSERT_TRUE(SetFileAttributeWord(folder, 0x12));
  EXPECT_EQ(FindFile(folder)->attributes, 0x12u);
  EXPECT_FALSE(SetFileAttributeWord(dir_ / "missing.txt", 0x20));
}

TEST_F(Win32FilesTest, AReadOnlyFileCannotBeDeletedUntilItsAttributeIsCleared) {
  const auto file = dir_ / "out.txt";
  Write(file, "old");
  ASSERT_TRUE(SetFileAttributeWord(file, 0x21));
  std::error_code error;
  EXPECT_FALSE(std::filesystem::remove(file, error));
  EXPECT_TRUE(error);
  EXPECT_EQ(Read(file), "old");
  ASSERT_TRUE(SetFileAttributeWord(file, 0x20));
  EXPECT_TRUE(std::filesystem::remove(file));
}

// What a second open may do while the first is open, as share modes decide between processes
// (and between two streams of one process alike).
TEST_F(Win32FilesTest, ShareModes) {
  constexpr uint16_t kExclusiveRead = 0x10;
  struct Case {
    const char* label;
    uint16_t first;
    uint16_t second;
    bool opens;
  };
  const Case cases[] = {
      {"a file being written can be read", file_mode::kCreate, file_mode::kReadShareAll, true},
      {"but not written by another", file_mode::kCreate, file_mode::kReadWriteDenyWrite, false},
      {"nor created again", file_mode::kCreate, file_mode::kCreate, false},
      {"a reader that shares all lets it be created", file_mode::kReadShareAll, file_mode::kCreate,
       true},
      {"an archive open for update can be read", file_mode::kReadWriteDenyWrite,
       file_mode::kReadShareAll, true},
      {"but not created again", file_mode::kReadWriteDenyWrite, file_mode::kCreate, false},
      {"an exclusive reader keeps readers out", kExclusiveRead, file_mode::kReadShareAll, false},
  };
  const auto file = dir_ / "shared.bin";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Write(file, "abc");
    FileStream first(file, c.first);
    if (c.first == file_mode::kCreate)
      first.WriteExact("written", 7);
    try {
      FileStream second(file, c.second);
      EXPECT_TRUE(c.opens);
      if (c.first == file_mode::kCreate) {
        char bytes[7];
        second.ReadExact(bytes, 7);
        EXPECT_EQ(std::string(bytes, 7), "written");
      }
    } catch (const Error& error) {
      EXPECT_FALSE(c.opens) << error.what();
    }
  }
}

TEST_F(Win32FilesTest, DriveLettersAndEitherSeparatorNameTheSameFile) {
  const auto file = dir_ / "Mixed Case.txt";
  Write(file, "same");
  const std::wstring native = std::filesystem::absolute(file).native();
  ASSERT_EQ(native.substr(1, 2), L":\\");
  std::wstring forward = native;
  std::replace(forward.begin(), forward.end(), L'\\', L'/');
  std::wstring upper = native;
  for (wchar_t& c : upper)
    c = static_cast<wchar_t>(towupper(c));
  for (const std::wstring& name : {native, forward, upper, LongForm(file).native()}) {
    SCOPED_TRACE(std::filesystem::path(name).string());
    EXPECT_EQ(Read(name), "same");
    const auto info = FindFile(name);
    ASSERT_TRUE(info);
    // The name as the file system stores it, not as it was asked for.
    EXPECT_EQ(info->path.filename(), L"Mixed Case.txt");
    EXPECT_EQ(info->size, 4u);
  }
}

TEST_F(Win32FilesTest, PathsBeyondMaxPathWorkInTheirLongForm) {
  std::filesystem::path deep = std::filesystem::absolute(dir_);
  while (deep.native().size() <= MAX_PATH) {
    deep /= std::wstring(40, L'd');
    ASSERT_TRUE(CreateDirectoryW(LongForm(deep).c_str(), nullptr)) << GetLastError();
  }
  const auto file = LongForm(deep / "long.txt");
  Write(file, "deep");
  EXPECT_EQ(Read(file), "deep");
  const auto info = FindFile(file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->size, 4u);
  ASSERT_TRUE(SetFileAttributeWord(file, 0x21));
  EXPECT_EQ(FindFile(file)->attributes, 0x21u);
}

}  // namespace
}  // namespace pw
