// Writing a package through the configured package archiver.
#include "tests/support/package_files.h"

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/file_stream.h"

namespace pw::test {

void WritePackage(const std::filesystem::path& path,
                  const std::vector<std::filesystem::path>& files) {
  const auto archiver = MakePackageArchiver();
  archiver->FileName = path;
  archiver->OpenArchive(file_mode::kCreate);
  for (const auto& file : files)
    archiver->AddFiles(file);
  archiver->CloseArchive();
}

}  // namespace pw::test
