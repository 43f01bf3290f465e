// build PLUGIN.json [--dir DIR]: "Save plugin" from a plugin document.
#include <CLI/CLI.hpp>

#include <iostream>

#include "archive/archiver.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/file_text.h"
#include "cli/plugin_document.h"
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
  PluginDocument document = ParsePluginDocument(ReadWholeFile(options.document));
  DocumentEditor editor(document);
  const auto archiver = MakePackageArchiver();
  CliPrompts prompts;
  const auto folder = std::filesystem::absolute(options.dir);
  std::filesystem::create_directories(folder);
  const auto package = SavePlugin(editor, *archiver, folder, prompts);
  if (!package)
    throw Error("the plugin has no items; nothing was saved");
  std::cout << package->string() << "\n";
  return prompts.failures > 0 ? 1 : 0;
}

}  // namespace

void AddBuildCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<BuildOptions>();
  CLI::App* command = app.add_subcommand(
      "build", "Save a plugin document as DIR/<file>/<file>.qvx, as \"Save plugin\" does");
  command->add_option("PLUGIN.json", options->document, "the plugin document")->required();
  command->add_option("--dir", options->dir, "the folder for the plugin folder (default: .)");
  command->callback([options, &status] { status = Build(*options); });
}

}  // namespace pw
