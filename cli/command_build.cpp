// build PLUGIN.json [--dir DIR]: "Save plugin" from a plugin document.
#include <CLI/CLI.hpp>

#include <iostream>

#include "archive/archiver.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/file_text.h"
#include "cli/plugin_document.h"
#include "cli/source_date_epoch.h"
#include "package/package_archiver.h"
#include "package/save_plugin.h"
#include "platform/text.h"

namespace pw {
namespace {

struct BuildOptions {
  std::string document;
  std::string dir = ".";
};

int Build(const BuildOptions& options) {
  PluginDocument document = ParsePluginDocument(ReadWholeFile(PathFromUtf8(options.document)));
  DocumentEditor editor(document);
  const auto archiver = MakePackageArchiver();
  archiver->FixedEntryDateTime = SourceDateEpochStamp();
  CliPrompts prompts;
  const auto folder = std::filesystem::absolute(PathFromUtf8(options.dir));
  std::filesystem::create_directories(folder);
  const auto package = SavePlugin(editor, *archiver, folder, prompts);
  if (!package)
    throw Error("the plugin has no items; nothing was saved");
  std::cout << PathToUtf8(*package) << "\n";
  return prompts.failures > 0 ? 1 : 0;
}

}  // namespace

void AddBuildCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<BuildOptions>();
  CLI::App* command = app.add_subcommand(
      "build", "Save a plugin document as DIR/<file>/<file>.qvx, as \"Save plugin\" does");
  command->footer(
      "With SOURCE_DATE_EPOCH set (seconds since 1970), every entry carries that time (UTC)\n"
      "instead of the moment of the save: the same document gives the same package byte for "
      "byte.");
  command->add_option("PLUGIN.json", options->document, "the plugin document")->required();
  command->add_option("--dir", options->dir, "the folder for the plugin folder (default: .)");
  command->callback([options, &status] { status = Build(*options); });
}

}  // namespace pw
