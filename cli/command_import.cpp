// import REPOSITORY.cre [-o FILE] [--file F] [--name N] [--uid U] [--keys LOW-HIGH ...]: a
// phone's repository file as a plugin document, one item per setting.
#include <CLI/CLI.hpp>

#include <charconv>
#include <iostream>
#include <optional>
#include <string_view>

#include "cli/commands.h"
#include "cli/file_text.h"
#include "cli/plugin_document.h"
#include "platform/text.h"
#include "repository/hex_text.h"
#include "repository/repository_dump.h"
#include "repository/repository_import.h"

namespace pw {
namespace {

struct ImportOptions {
  std::string repository;
  std::string output;
  std::optional<std::string> file;
  std::optional<std::string> name;
  std::string uid = "00000";
  std::vector<std::string> keys;
};

// A key in decimal or, after "0x", in hexadecimal; nothing for any other text.
std::optional<uint32_t> KeyNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

std::optional<KeyRange> RangeOf(std::string_view text) {
  const size_t dash = text.find('-');
  if (dash == std::string_view::npos)
    return std::nullopt;
  const auto low = KeyNumber(text.substr(0, dash));
  const auto high = KeyNumber(text.substr(dash + 1));
  if (!low || !high || *low > *high)
    return std::nullopt;
  return KeyRange{*low, *high};
}

std::string RangeProblem(const std::string& text) {
  return RangeOf(text) ? "" : "\"" + text + "\" is not LOW-HIGH, two keys with LOW <= HIGH";
}

PluginDocument ImportDocument(const ImportOptions& options) {
  const std::filesystem::path path = PathFromUtf8(options.repository);
  const RepositoryDump dump = ReadRepositoryDump(path);
  std::vector<KeyRange> ranges;
  for (const std::string& text : options.keys)
    ranges.push_back(*RangeOf(text));
  PluginDocument document;
  for (TRepo& item : ImportedItems(dump, ranges))
    document.items.Append(std::move(item));
  if (document.items.Empty())
    throw Error(dump.settings.empty()
                    ? "\"" + PathText(path) + "\" holds no settings"
                    : "no setting of \"" + PathText(path) + "\" has a key in the ranges given");
  document.file = options.file ? Utf8ToUtf16(*options.file) : PathToUtf16(path.stem());
  document.name = Utf8ToUtf16(options.name.value_or("Repository " + HexWord(dump.repositoryUid)));
  document.uid = Utf8ToUtf16(options.uid);
  return document;
}

int Import(const ImportOptions& options) {
  const std::string json = PluginDocumentJson(ImportDocument(options));
  if (options.output.empty())
    std::cout << json;
  else
    WriteWholeFile(PathFromUtf8(options.output), json);
  return 0;
}

}  // namespace

void AddImportCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ImportOptions>();
  CLI::App* command = app.add_subcommand(
      "import", "Write a plugin document with one item per setting of a repository file (.cre)");
  command->footer(
      "Each item is a Common item on the setting's UID and key, its type the setting's, an\n"
      "integer's bounds the whole 32-bit range; its description shows the current value and\n"
      "what writing the setting needs. Build the document as it is, or edit it first.");
  command->add_option("REPOSITORY.cre", options->repository, "the repository file")->required();
  command->add_option("-o,--output", options->output, "the document file (default: stdout)");
  command->add_option("--file", options->file,
                      "the plugin file name (default: the repository file's name without "
                      "extension)");
  command->add_option("--name", options->name,
                      "the plugin name (default: \"Repository 0x<repository UID>\")");
  command->add_option("--uid", options->uid, "the plugin UID digits after fac (default: 00000)");
  command
      ->add_option("--keys", options->keys,
                   "only the settings with keys LOW to HIGH, decimal or 0x hexadecimal; "
                   "repeatable")
      ->type_name("LOW-HIGH")
      ->allow_extra_args(false)
      ->check(CLI::Validator(RangeProblem, ""));
  command->callback([options, &status] { status = Import(*options); });
}

}  // namespace pw
