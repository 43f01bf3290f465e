// Each input here once crashed a fuzz target; the test names the fault it found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "archive/archiver.h"
#include "cli/file_text.h"
#include "package/package_archiver.h"
#include "platform/errors.h"
#include "platform/user_prompts.h"

namespace pw {
namespace {

const std::filesystem::path kRegressions = PW_FUZZ_REGRESSIONS_DIR;

class IgnoringPrompts : public UserPrompts {
 public:
  void ShowMessage(const std::string&) override {}
  void ShowError(const std::string&) override {}
  PromptButton Confirm(const std::string&, const std::vector<PromptButton>&) override {
    return PromptButton::Ignore;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

// Extracts everything the archive holds into out; only our own errors may come back.
void ExtractAll(const std::filesystem::path& archive, const std::filesystem::path& out) {
  IgnoringPrompts prompts;
  TZFBaseArchiver archiver;
  ConfigurePackageArchiver(archiver);
  archiver.SetUserPrompts(&prompts);
  archiver.FileName = archive;
  archiver.BaseDir = out;
  archiver.OpenArchive();
  archiver.ExtractFiles(u"*", static_cast<int32_t>(zf::kDefaultSearchAttr), u"");
  archiver.CloseArchive();
}

TEST(FuzzRegressions, EntryNameWithALoneSurrogateIsWrittenWithAReplacementCharacter) {
  // A Unicode name field holding an unpaired surrogate made the path conversion throw a
  // standard-library error that escaped every handler.
  PrivateFolder folder;
  const auto archive = folder.Path() / "input.zip";
  std::filesystem::copy_file(
      kRegressions / "archive_extract" / "unicode-name-with-lone-surrogate.zip", archive);
  const auto out = folder.Path() / "out";
  std::filesystem::create_directory(out);
  EXPECT_NO_THROW(ExtractAll(archive, out));
  for (const auto& entry : std::filesystem::directory_iterator(out))
    EXPECT_NE(entry.path().filename().string().find("\xEF\xBF\xBD"), std::string::npos);
}

}  // namespace
}  // namespace pw
