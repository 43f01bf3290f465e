// The association in the Windows registry itself. HKEY_LOCAL_MACHINE is redirected to a scratch
// key of the current user, so the tests never change the machine's own file types.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "desktop/association_error.h"
#include "desktop/file_association.h"
#include "desktop/registry.h"
#include "platform/user_prompts.h"

namespace pw {
namespace {

constexpr wchar_t kCommandKey[] = L"Software\\Classes\\.qvx\\shell\\open\\command";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    scratchPath_ = L"Software\\Plugwright tests\\" + std::wstring(test.begin(), test.end());
    RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath_.c_str());
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratchPath_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &scratch_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch_), ERROR_SUCCESS);
  }
  void TearDown() override {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(scratch_);
    RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath_.c_str());
    // Goes only once no other test's key is left in it.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Plugwright tests");
  }

  // Creates the keys of path below the scratch key; the last one volatile when asked.
  void CreateKeys(const std::wstring& path, bool lastVolatile) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(scratch_, path.c_str(), 0, nullptr,
                              lastVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::optional<std::wstring> CommandValue() const {
    wchar_t text[512] = {};
    DWORD size = sizeof text;
    DWORD type = 0;
    if (RegGetValueW(scratch_, kCommandKey, nullptr, RRF_RT_ANY, &type, text, &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    return std::wstring(text);
  }

  // Every key below the scratch key as "path", every value as "path=name".
  std::vector<std::wstring> Contents(HKEY key = nullptr, const std::wstring& path = L"") const {
    if (key == nullptr)
      key = scratch_;
    std::vector<std::wstring> found;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = 256;
      if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      found.push_back(path + L"=" + name);
    }
    for (DWORD i = 0;; ++i) {
      DWORD length = 256;
      if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      const std::wstring below = path.empty() ? name : path + L"\\" + name;
      found.push_back(below);
      HKEY child = nullptr;
      if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
        const auto deeper = Contents(child, below);
        found.insert(found.end(), deeper.begin(), deeper.end());
        RegCloseKey(child);
      }
    }
    return found;
  }

  std::wstring scratchPath_;
  HKEY scratch_ = nullptr;
};

TEST_F(Win32RegistryTest, TheCommandKeyHoldsTheQuotedProgramAndNothingElseIsWritten) {
  const std::filesystem::path program = L"C:\\Program Files\\Qorvix Plugwright\\plugwright.exe";
  RegisterPackageExtension(*SystemRegistry(), program);
  RegisterPackageExtension(*SystemRegistry(), program);
  EXPECT_EQ(CommandValue(), L"\"C:\\Program Files\\Qorvix Plugwright\\plugwright.exe\" \"%1\"");
  const std::vector<std::wstring> expected = {
      L"Software",
      L"Software\\Classes",
      L"Software\\Classes\\.qvx",
      L"Software\\Classes\\.qvx\\shell",
      L"Software\\Classes\\.qvx\\shell\\open",
      L"Software\\Classes\\.qvx\\shell\\open\\command",
      L"Software\\Classes\\.qvx\\shell\\open\\command=",
  };
  EXPECT_EQ(Contents(), expected);

  // Moved: the association follows the program to its new place.
  RegisterPackageExtension(*SystemRegistry(), L"D:\\Tools\\plugwright.exe");
  EXPECT_EQ(CommandValue(), L"\"D:\\Tools\\plugwright.exe\" \"%1\"");
}

// A volatile key refuses lasting keys below it, so the key after it cannot be made, as a user
// without rights cannot make one below HKEY_LOCAL_MACHINE.
TEST_F(Win32RegistryTest, AKeyThatCannotBeMadeStopsWithTheMessageAndWritesNoValue) {
  const struct {
    const char* label;
    std::wstring refusing;  // made volatile beforehand
  } cases[] = {
      {"the first key", L"Software"},
      {"a key half-way", L"Software\\Classes\\.qvx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    RegDeleteTreeW(scratch_, L"Software");
    CreateKeys(c.refusing, true);
    try {
      RegisterPackageExtension(*SystemRegistry(), L"C:\\Tools\\plugwright.exe");
      ADD_FAILURE() << "no error";
    } catch (const AssociationError& error) {
      EXPECT_EQ(StandardErrorText(error.what()), "Failed to set data for ''");
    }
    EXPECT_EQ(CommandValue(), std::nullopt);
    for (const std::wstring& item : Contents())
      EXPECT_EQ(item.find(L'='), std::wstring::npos) << std::filesystem::path(item).string();
  }
}

}  // namespace
}  // namespace pw
