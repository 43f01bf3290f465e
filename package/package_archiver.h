// The settings of the archive component that packs and unpacks plugin packages.
#pragma once

namespace pw {

class TZFBaseArchiver;

// Stored entries under their bare file names, names in the OEM code page with the Unicode
// name field, flushing after each commit, no descent into folders; named "PackageArchiver"
// in the messages that carry the component's name.
void ConfigurePackageArchiver(TZFBaseArchiver& archiver);

}  // namespace pw
