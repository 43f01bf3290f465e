// Opening a package for export and check, through the window's own open.
#include "cli/package_document.h"

#include "archive/archiver.h"
#include "cli/cli_prompts.h"
#include "cli/file_text.h"
#include "package/open_plugin.h"
#include "package/package_archiver.h"

namespace pw {

void RequirePackageFile(const std::filesystem::path& package) {
  if (!std::filesystem::is_regular_file(package))
    throw FileOpenError(package, "No such file");
}

OpenedPackage OpenPackageDocument(const std::filesystem::path& package) {
  RequirePackageFile(package);
  OpenedPackage opened;
  DocumentEditor editor(opened.document);
  const auto archiver = MakePackageArchiver();
  CliPrompts prompts;
  {
    PrivateFolder working;
    OpenPlugin(editor, *archiver, std::filesystem::absolute(package), working.Path(), prompts);
  }
  opened.parsed = !prompts.Showed("Cant parse plugin file!");
  opened.failures = prompts.failures;
  return opened;
}

}  // namespace pw
