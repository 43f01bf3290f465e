// Any bytes as an archive: open it, search every entry, extract everything. Nothing may be
// written outside the extraction folder.
#include <cstdint>
#include <filesystem>

#include "archive/archiver.h"
#include "fuzz/fuzz_workspace.h"
#include "package/package_archiver.h"
#include "platform/errors.h"

namespace {

constexpr auto kEveryEntry = static_cast<int32_t>(pw::zf::kDefaultSearchAttr);

void ExtractAll(const std::filesystem::path& archivePath, const std::filesystem::path& out) {
  pw::fuzz::QuietPrompts prompts;
  const auto archiver = pw::MakePackageArchiver(&prompts);
  archiver->FileName = archivePath;
  archiver->BaseDir = out;
  try {
    archiver->OpenArchive();
    pw::TZFArchiveItem found;
    for (bool more = archiver->FindFirst(u"*", found, kEveryEntry, u""); more;
         more = archiver->FindNext(found)) {
    }
    archiver->ExtractFiles(u"*", kEveryEntry, u"");
  } catch (const pw::Error&) {
  }
  archiver->CloseArchive();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto archive = pw::fuzz::WriteInput(data, size, "input.zip");
  const auto out = pw::fuzz::Workspace() / "out";
  std::filesystem::create_directory(out);
  ExtractAll(archive, out);
  std::filesystem::remove_all(out);
  // The workspace holds the input and the extraction folder, and nothing that escaped it.
  for (const auto& entry : std::filesystem::directory_iterator(pw::fuzz::Workspace()))
    if (entry.path() != archive)
      __builtin_trap();
  return 0;
}
