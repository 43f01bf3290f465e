// One place for the archive settings that saving, opening and listing packages share.
#include "package/package_archiver.h"

#include "archive/archiver.h"

namespace pw {

std::unique_ptr<TZFBaseArchiver> MakePackageArchiver(UserPrompts* prompts) {
  auto archiver = std::make_unique<TZFBaseArchiver>(prompts);
  archiver->Name = "PackageArchiver";
  archiver->SetCompressionLevel(TZFCompressionLevel::None);
  archiver->Options.StorePath = TZFStorePathMode::NoPath;
  archiver->Options.Recurse = false;
  archiver->Options.ShareMode = TZFFileShareMode::DenyNone;
  archiver->Options.FlushBuffers = true;
  archiver->Options.OEMFileNames = true;
  archiver->UnicodeFilenames = true;
  return archiver;
}

}  // namespace pw
