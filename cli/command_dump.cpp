// dump FILE.cre [--json]: everything a binary repository file holds.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "cli/repository_dump_output.h"
#include "platform/text.h"
#include "repository/repository_dump.h"

namespace pw {
namespace {

struct DumpOptions {
  std::string file;
  bool json = false;
};

}  // namespace

void AddDumpCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<DumpOptions>();
  CLI::App* command = app.add_subcommand(
      "dump", "Show every part of a binary repository file (.cre), a plugin's or a phone's");
  command->add_option("FILE", options->file, "the repository file")->required();
  command->add_flag("--json", options->json, "as JSON");
  command->callback([options, &status] {
    const RepositoryDump dump = ReadRepositoryDump(PathFromUtf8(options->file));
    std::cout << (options->json ? RepositoryDumpJson(dump) : RepositoryDumpText(dump));
    status = 0;
  });
}

}  // namespace pw
