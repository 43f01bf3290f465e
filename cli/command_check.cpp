// check PACKAGE: what would go wrong for the plugin's users, as errors and warnings.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>

#include "cli/archive_listing.h"
#include "cli/commands.h"
#include "cli/package_document.h"
#include "platform/text.h"
#include "repository/plugin_check.h"

namespace pw {
namespace {

bool HoldsDescriptor(const std::vector<ListedEntry>& entries) {
  return std::any_of(entries.begin(), entries.end(), [](const ListedEntry& entry) {
    return entry.name.find('/') == std::string::npos && entry.name.size() > 4 &&
           entry.name.ends_with(".plg");
  });
}

std::vector<Finding> CheckPackage(const std::filesystem::path& package) {
  if (!HoldsDescriptor(ListArchive(package)))
    return {{true, "no descriptor (.plg) in the package"}};
  const OpenedPackage opened = OpenPackageDocument(package);
  if (!opened.parsed)
    return {{true, "no repository file: the descriptor names fac" +
                       Utf16ToUtf8(opened.document.uid) + ".cre, which the package does not hold"}};
  return CheckPluginItems(opened.document.items);
}

int Check(const std::string& argument) {
  const std::filesystem::path package = PathFromUtf8(argument);
  RequirePackageFile(package);
  const std::vector<Finding> findings = CheckPackage(package);
  for (const Finding& finding : findings)
    std::cout << (finding.error ? "error: " : "warning: ") << finding.text << "\n";
  const bool failed =
      std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return f.error; });
  return failed ? 1 : 0;
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& status) {
  auto package = std::make_shared<std::string>();
  CLI::App* command =
      app.add_subcommand("check", "Report what in a package would go wrong for its users");
  command->add_option("PACKAGE", *package, "the plugin package")->required();
  command->callback([package, &status] { status = Check(*package); });
}

}  // namespace pw
