// The commands of plugwright-cli, each in a file of its own.
#pragma once

namespace CLI {
class App;
}

namespace pw {

// Each adds its subcommand to app; the callback sets the exit status it ran into.
void AddBuildCommand(CLI::App& app, int& status);
void AddExportCommand(CLI::App& app, int& status);
void AddListCommand(CLI::App& app, int& status);
void AddExtractCommand(CLI::App& app, int& status);
void AddCheckCommand(CLI::App& app, int& status);
void AddDumpCommand(CLI::App& app, int& status);
void AddImportCommand(CLI::App& app, int& status);
void AddDiffCommand(CLI::App& app, int& status);

}  // namespace pw
