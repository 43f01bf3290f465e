// list PACKAGE [--json]: the entries of any archive, in archive order.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/archive_listing.h"
#include "cli/commands.h"
#include "platform/text.h"

namespace pw {
namespace {

struct ListOptions {
  std::string archive;
  bool json = false;
};

}  // namespace

void AddListCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ListOptions>();
  CLI::App* command = app.add_subcommand("list", "List the entries of a package or any archive");
  command->add_option("PACKAGE", options->archive, "the archive")->required();
  command->add_flag("--json", options->json, "as JSON");
  command->callback([options, &status] {
    const auto entries = ListArchive(PathFromUtf8(options->archive));
    std::cout << (options->json ? ListingJson(entries) : ListingTable(entries));
    status = 0;
  });
}

}  // namespace pw
