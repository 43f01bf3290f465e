// Helpers of the archive tests.
#include "archive_test_support.h"

#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace pw::test {

void ArchiveTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name) {
    if (c == '/')
      c = '_';
  }
  dir_ = std::filesystem::temp_directory_path() /
         ("pw_arc_" + std::to_string(::getpid()) + "_" + name);
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
}

void ArchiveTest::TearDown() {
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(dir_, ignored);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint16_t U16At(const std::string& bytes, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes.at(offset)) |
                               static_cast<uint8_t>(bytes.at(offset + 1)) << 8);
}

uint32_t U32At(const std::string& bytes, size_t offset) {
  return U16At(bytes, offset) | static_cast<uint32_t>(U16At(bytes, offset + 2)) << 16;
}

void ConfigureAsSaving(TZFBaseArchiver& archiver) {
  archiver.Name = "Z";
  archiver.SetCompressionLevel(clNone);
  archiver.SetCompressionMode(0);
  archiver.Options.StorePath = spNoPath;
  archiver.Options.Recurse = false;
  archiver.Options.OverwriteMode = omAlways;
  archiver.Options.ShareMode = smShareDenyNone;
  archiver.Options.SearchAttr = zf::kDefaultSearchAttr;
  archiver.Options.FlushBuffers = true;
  archiver.Options.OEMFileNames = true;
  archiver.UnicodeFilenames = true;
}

PromptButton ScriptedPrompts::Confirm(const std::string& text,
                                      const std::vector<PromptButton>& buttons) {
  asked.push_back({text, buttons});
  if (answers_.empty())
    return PromptButton::Cancel;
  const PromptButton answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace pw::test
