// extract PACKAGE [--dir DIR] [--on-error abort|ignore]: ExtractFiles with "*".
#include <CLI/CLI.hpp>

#include <iostream>

#include "archive/archiver.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "package/package_archiver.h"
#include "platform/file_stream.h"
#include "platform/text.h"

namespace pw {
namespace {

struct ExtractOptions {
  std::string archive;
  std::string dir = ".";
  std::string onError = "abort";
};

int Extract(const ExtractOptions& options) {
  CliPrompts prompts;
  const auto archiver = MakePackageArchiver(&prompts);
  const TZFAction answer = options.onError == "ignore" ? TZFAction::Ignore : TZFAction::Abort;
  int failed = 0;
  archiver->OnProcessFileFailure = [&](TZFBaseArchiver&, const std::u16string& name,
                                       TZFProcessOperation, int, int, const std::string& message,
                                       TZFAction& action) {
    std::cerr << Utf16ToUtf8(name) << ": " << message << "\n";
    ++failed;
    action = answer;
  };
  archiver->FileName = PathFromUtf8(options.archive);
  archiver->OpenArchive(file_mode::kReadShareAll);
  archiver->BaseDir = std::filesystem::absolute(PathFromUtf8(options.dir));
  std::filesystem::create_directories(archiver->BaseDir);
  archiver->ExtractFiles(u"*", static_cast<int32_t>(zf::kDefaultSearchAttr), u"");
  archiver->CloseArchive();
  return failed + prompts.skipped > 0 ? 1 : 0;
}

}  // namespace

void AddExtractCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ExtractOptions>();
  CLI::App* command =
      app.add_subcommand("extract", "Extract the top-level entries of a package or any archive");
  command->add_option("PACKAGE", options->archive, "the archive")->required();
  command->add_option("--dir", options->dir, "the target folder (default: .)");
  command->add_option("--on-error", options->onError, "what a failed entry does")
      ->check(CLI::IsMember({"abort", "ignore"}));
  command->callback([options, &status] { status = Extract(*options); });
}

}  // namespace pw
