// Each input here once crashed a fuzz target; the test names the fault it found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "archive/archiver.h"
#include "cli/file_text.h"
#include "fuzz/fuzz_workspace.h"
#include "package/package_archiver.h"
#include "platform/errors.h"

namespace pw {
namespace {

const std::filesystem::path kRegressions = PW_FUZZ_REGRESSIONS_DIR;

// Extracts everything the archive holds into out, answering Ignore to every failure, as the
// fuzz target does; only our own errors may come back.
void ExtractAll(const std::filesystem::path& archive, const std::filesystem::path& out) {
  fuzz::QuietPrompts prompts;
  const auto archiver = MakePackageArchiver(&prompts);
  archiver->FileName = archive;
  archiver->BaseDir = out;
  archiver->OpenArchive();
  archiver->ExtractFiles(u"*", static_cast<int32_t>(zf::kDefaultSearchAttr), u"");
  archiver->CloseArchive();
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
