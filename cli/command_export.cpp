// export PACKAGE.qvx [-o FILE]: "Open plugin" into a plugin document.
#include <CLI/CLI.hpp>

#include <iostream>

#include "archive/archiver.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/file_text.h"
#include "cli/plugin_document.h"
#include "package/open_plugin.h"
#include "package/package_archiver.h"

namespace pw {
namespace {

struct ExportOptions {
  std::string package;
  std::string output;
};

int Export(const ExportOptions& options) {
  // Opening creates a package where none exists; a typing error must not leave files behind.
  if (!std::filesystem::is_regular_file(options.package))
    throw FileOpenError(options.package, "No such file");
  PluginDocument document;
  DocumentEditor editor(document);
  TZFBaseArchiver archiver;
  ConfigurePackageArchiver(archiver);
  CliPrompts prompts;
  {
    PrivateFolder working;
    OpenPlugin(editor, archiver, std::filesystem::absolute(options.package), working.Path(),
               prompts);
  }
  if (prompts.Showed("Cant parse plugin file!"))
    throw Error("Cant parse plugin file!");
  const std::string json = PluginDocumentJson(document);
  if (options.output.empty())
    std::cout << json;
  else
    WriteWholeFile(options.output, json);
  return prompts.failures > 0 ? 1 : 0;
}

}  // namespace

void AddExportCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* command = app.add_subcommand(
      "export", "Write the plugin document of a package, as \"Open plugin\" reads it");
  command->add_option("PACKAGE.qvx", options->package, "the plugin package")->required();
  command->add_option("-o,--output", options->output, "the document file (default: stdout)");
  command->callback([options, &status] { status = Export(*options); });
}

}  // namespace pw
