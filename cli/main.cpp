// plugwright-cli: plugins from scripts, and a look inside packages.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/command_line.h"
#include "platform/standard_streams.h"
#include "platform/user_prompts.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
  const pw::Utf8StandardStreams streams;
  const std::vector<std::string> arguments = pw::Utf8Arguments(argc, argv);
  std::vector<const char*> argumentTexts;
  for (const std::string& argument : arguments)
    argumentTexts.push_back(argument.c_str());
  CLI::App app(
      "Qorvix Plugwright on the command line: build, export, list, extract, check and diff "
      "plugin packages; dump repository files and import them as plugin documents.",
      "plugwright-cli");
  app.set_version_flag("--version", "plugwright-cli " PLUGWRIGHT_VERSION);
  app.require_subcommand(1);
  // Set before the subcommands, which inherit it: "/" starts a path here, never an option.
  app.allow_windows_style_options(false);
  int status = 0;
  pw::AddBuildCommand(app, status);
  pw::AddExportCommand(app, status);
  pw::AddListCommand(app, status);
  pw::AddExtractCommand(app, status);
  pw::AddCheckCommand(app, status);
  pw::AddDumpCommand(app, status);
  pw::AddImportCommand(app, status);
  pw::AddDiffCommand(app, status);
  try {
    app.parse(static_cast<int>(argumentTexts.size()), argumentTexts.data());
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return kUsageError;
  } catch (const std::exception& error) {
    std::cerr << pw::StandardErrorText(error.what()) << "\n";
    return kFailed;
  }
  return status;
}
