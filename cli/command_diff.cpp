// diff A B [--json]: how two plugins differ, each a package or a plugin document.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "cli/file_text.h"
#include "cli/package_document.h"
#include "cli/plugin_diff_output.h"
#include "platform/text.h"
#include "platform/user_prompts.h"
#include "repository/plugin_diff.h"

namespace pw {
namespace {

// The convention of diff(1): 0 the same, 1 different, 2 trouble.
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

struct DiffOptions {
  std::string a;
  std::string b;
  bool json = false;
};

// A package as "Open plugin" opens it (the name ends in .qvx, as it must there); any other
// file is read as a plugin document.
PluginDocument ReadSide(const std::string& argument) {
  const std::filesystem::path path = PathFromUtf8(argument);
  if (PathToUtf8(path.extension()) != ".qvx") {
    try {
      return ParsePluginDocument(ReadWholeFile(path));
    } catch (const DocumentError& error) {
      throw Error("\"" + PathText(path) + "\": " + error.what());
    }
  }
  OpenedPackage opened = OpenPackageDocument(path);
  if (!opened.parsed)
    throw Error("\"" + PathText(path) + "\": Cant parse plugin file!");
  if (opened.failures > 0)
    throw Error("\"" + PathText(path) + "\": not every entry could be read");
  return std::move(opened.document);
}

PluginFieldTexts FieldsOf(const PluginDocument& document) {
  PluginFieldTexts fields;
  fields.pluginName = document.file;
  fields.setName = document.name;
  fields.setDescr = document.description;
  fields.setUid = document.uid;
  return fields;
}

int Diff(const DiffOptions& options) {
  try {
    const PluginDocument a = ReadSide(options.a);
    const PluginDocument b = ReadSide(options.b);
    const PluginDiff diff = DiffPlugins(FieldsOf(a), a.items, FieldsOf(b), b.items);
    std::cout << (options.json ? PluginDiffJson(diff) : PluginDiffText(diff));
    return diff.Same() ? kSame : kDifferent;
  } catch (const std::exception& error) {
    std::cerr << StandardErrorText(error.what()) << "\n";
    return kTrouble;
  }
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<DiffOptions>();
  CLI::App* command = app.add_subcommand(
      "diff", "Show how two plugins differ, each a package (.qvx) or a plugin document");
  command->footer(
      "Items are matched by UID and key; numbers compare by value, so a package and the\n"
      "document it was built from are the same plugin.\n"
      "Exit status: 0 the same plugin, 1 they differ, 2 an error.");
  command->add_option("A", options->a, "the first package or document")->required();
  command->add_option("B", options->b, "the second package or document")->required();
  command->add_flag("--json", options->json, "as JSON");
  command->callback([options, &status] { status = Diff(*options); });
}

}  // namespace pw
