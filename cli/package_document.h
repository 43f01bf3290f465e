// A package opened into a plugin document, the way "Open plugin" opens it.
#pragma once

#include <filesystem>

#include "cli/plugin_document.h"

namespace pw {

struct OpenedPackage {
  PluginDocument document;
  bool parsed = false;  // false: the window would have said "Cant parse plugin file!"
  int failures = 0;     // entries whose extraction failed
};

// Opening creates a package where none exists; a typing error must not leave files behind,
// so a missing file raises FileOpenError.
void RequirePackageFile(const std::filesystem::path& package);

// Opens in replace mode in a private temporary folder that is removed afterwards; archive,
// descriptor and repository errors are raised.
OpenedPackage OpenPackageDocument(const std::filesystem::path& package);

}  // namespace pw
