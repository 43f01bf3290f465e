// One place for the archive settings that saving and opening plugins share.
#include "package/package_archiver.h"

#include "archive/archiver.h"

namespace pw {

void ConfigurePackageArchiver(TZFBaseArchiver& archiver) {
  archiver.Name = "PackageArchiver";
  archiver.SetCompressionLevel(clNone);
  archiver.Options.StorePath = spNoPath;
  archiver.Options.Recurse = false;
  archiver.Options.OverwriteMode = omAlways;
  archiver.Options.ShareMode = smShareDenyNone;
  archiver.Options.SearchAttr = zf::kDefaultSearchAttr;
  archiver.Options.FlushBuffers = true;
  archiver.Options.OEMFileNames = true;
  archiver.UnicodeFilenames = true;
  archiver.Zip64Mode = zmDisabled;
  archiver.SpanningMode = smNone;
  archiver.Password.clear();
  archiver.InMemory = false;
  archiver.TempDir.clear();
}

}  // namespace pw
