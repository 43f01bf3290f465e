// Helpers of the archive tests.
#include "archive_test_support.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/errors.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace pw::test {
namespace {

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text)
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

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
  archiver.SetCompressionLevel(TZFCompressionLevel::None);
  archiver.SetCompressionMode(0);
  archiver.Options.StorePath = TZFStorePathMode::NoPath;
  archiver.Options.Recurse = false;
  archiver.Options.ShareMode = TZFFileShareMode::DenyNone;
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

std::string PeerCheck(const std::filesystem::path& archive,
                      const std::vector<std::pair<std::string, std::filesystem::path>>& entries) {
  std::string command =
      Quoted(PW_PYTHON) + " " + Quoted(PW_ZIP_PEER) + " " + Quoted(PathText(archive));
  for (const auto& [name, source] : entries)
    command += " " + Quoted(name + "=" + PathText(source));
  command += " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr)
    return "cannot run python";
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
    output += buffer;
  ::pclose(pipe);
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
    output.pop_back();
  return output;
}

}  // namespace pw::test
