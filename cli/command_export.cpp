// export PACKAGE.qvx [-o FILE]: "Open plugin" into a plugin document.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "cli/file_text.h"
#include "cli/package_document.h"
#include "platform/text.h"

namespace pw {
namespace {

struct ExportOptions {
  std::string package;
  std::string output;
};

int Export(const ExportOptions& options) {
  const OpenedPackage opened = OpenPackageDocument(PathFromUtf8(options.package));
  if (!opened.parsed)
    throw Error("Cant parse plugin file!");
  const std::string json = PluginDocumentJson(opened.document);
  if (options.output.empty())
    std::cout << json;
  else
    WriteWholeFile(PathFromUtf8(options.output), json);
  return opened.failures > 0 ? 1 : 0;
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
