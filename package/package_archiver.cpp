// One place for the archive settings that saving and opening plugins share.
#include "package/package_archiver.h"

#include "archive/archiver.h"

namespace pw {

void ConfigurePackageArchiver(TZFBaseArchiver& archiver) {
  archiver.Name = "PackageArchiver";
  archiver.SetCompressionLevel(TZFCompressionLevel::None);
  archiver.Options.StorePath = TZFStorePathMode::NoPath;
  archiver.Options.Recurse = false;
  archiver.Options.ShareMode = TZFFileShareMode::DenyNone;
  archiver.Options.FlushBuffers = true;
  archiver.Options.OEMFileNames = true;
  archiver.UnicodeFilenames = true;
  archiver.Password.clear();
  archiver.TempDir.clear();
}

}  // namespace pw
