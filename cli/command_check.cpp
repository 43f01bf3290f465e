// check PACKAGE [--against REPOSITORY.cre ...] [--json]: what would go wrong for the plugin's
// users, and on a phone whose repository files are given, as errors and warnings.
#include <CLI/CLI.hpp>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>
#include <map>

#include "cli/archive_listing.h"
#include "cli/commands.h"
#include "cli/package_document.h"
#include "platform/text.h"
#include "repository/hex_text.h"
#include "repository/plugin_check.h"
#include "repository/repository_dump.h"
#include "repository/repository_fit_check.h"

namespace pw {
namespace {

struct CheckOptions {
  std::string package;
  std::vector<std::string> against;
  bool json = false;
};

bool HoldsDescriptor(const std::vector<ListedEntry>& entries) {
  return std::any_of(entries.begin(), entries.end(), [](const ListedEntry& entry) {
    return entry.name.find('/') == std::string::npos && entry.name.size() > 4 &&
           entry.name.ends_with(".plg");
  });
}

// One file per repository UID: two would leave it open which one the phone holds.
std::vector<RepositoryDump> ReadRepositories(const std::vector<std::string>& arguments) {
  std::vector<RepositoryDump> repositories;
  std::map<uint32_t, std::filesystem::path> seen;
  for (const std::string& argument : arguments) {
    const std::filesystem::path path = PathFromUtf8(argument);
    repositories.push_back(ReadRepositoryDump(path));
    const auto [earlier, fresh] = seen.try_emplace(repositories.back().repositoryUid, path);
    if (!fresh)
      throw Error("\"" + PathText(path) + "\" and \"" + PathText(earlier->second) +
                  "\" are both repository " + HexWord(earlier->first) +
                  "; give one file per repository");
  }
  return repositories;
}

std::vector<Finding> CheckPackage(const std::filesystem::path& package,
                                  const std::vector<RepositoryDump>& repositories) {
  if (!HoldsDescriptor(ListArchive(package)))
    return {{true, "no descriptor (.plg) in the package"}};
  const OpenedPackage opened = OpenPackageDocument(package);
  if (!opened.parsed)
    return {{true, "no repository file: the descriptor names fac" +
                       Utf16ToUtf8(opened.document.uid) + ".cre, which the package does not hold"}};
  std::vector<Finding> findings = CheckPluginItems(opened.document.items);
  if (!repositories.empty()) {
    const auto onPhone = CheckAgainstRepositories(opened.document.items, repositories);
    findings.insert(findings.end(), onPhone.begin(), onPhone.end());
  }
  return findings;
}

std::string FindingsText(const std::vector<Finding>& findings) {
  std::string out;
  for (const Finding& finding : findings)
    out += (finding.error ? "error: " : "warning: ") + finding.text + "\n";
  return out;
}

std::string FindingsJson(const std::vector<Finding>& findings) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const Finding& finding : findings)
    json.push_back({{"severity", finding.error ? "error" : "warning"}, {"text", finding.text}});
  return json.dump(2) + "\n";
}

int Check(const CheckOptions& options) {
  const std::filesystem::path package = PathFromUtf8(options.package);
  RequirePackageFile(package);
  const std::vector<Finding> findings = CheckPackage(package, ReadRepositories(options.against));
  std::cout << (options.json ? FindingsJson(findings) : FindingsText(findings));
  const bool failed =
      std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return f.error; });
  return failed ? 1 : 0;
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* command =
      app.add_subcommand("check", "Report what in a package would go wrong for its users");
  command->footer(
      "With --against, each item is also checked against the setting it names in the phone's\n"
      "repository file of its UID: a missing setting or another type is an error; a current\n"
      "value outside the bounds or in no selection entry, and a setting whose writing needs\n"
      "capabilities, are warnings. Exit status 1 when there is an error.");
  command->add_option("PACKAGE", options->package, "the plugin package")->required();
  command
      ->add_option("--against", options->against,
                   "a phone's repository file (.cre), one per repository UID; repeatable")
      ->type_name("REPOSITORY.cre")
      ->allow_extra_args(false);
  command->add_flag("--json", options->json, "as JSON");
  command->callback([options, &status] { status = Check(*options); });
}

}  // namespace pw
