// Opening a plugin: extract, read the descriptor, read the repository file, clean up.
#include "package/open_plugin.h"

#include <system_error>

#include "archive/archiver.h"
#include "package/folder_removal.h"
#include "package/plugin_editor.h"
#include "platform/text.h"
#include "platform/user_prompts.h"
#include "repository/descriptor_reader.h"
#include "repository/repository_reader.h"

namespace pw {
namespace {

constexpr int32_t kSearchAllButFolders = 495;

// The extension as the text from the file name's last dot, compared exactly.
bool EndsWith(const std::filesystem::path& path, const std::u16string& extension) {
  const std::u16string name = PathToUtf16(path.filename());
  const size_t dot = name.rfind(u'.');
  return dot != std::u16string::npos && name.substr(dot) == extension;
}

// Closes the package whatever happens while it is read.
struct ClosingArchive {
  TZFBaseArchiver& archiver;
  ~ClosingArchive() { archiver.CloseArchive(); }
};

// Extracts the package's top-level entries into temp and reads each descriptor among them;
// returns the repository path the last one names, or nothing.
std::filesystem::path ExtractAndReadDescriptors(PluginEditor& editor, TZFBaseArchiver& archiver,
                                                const std::filesystem::path& path,
                                                const std::filesystem::path& temp) {
  archiver.FileName = path;
  archiver.OpenArchive();
  ClosingArchive closing{archiver};
  std::error_code ignored;
  std::filesystem::create_directory(temp, ignored);
  archiver.BaseDir = temp;
  archiver.ExtractFiles(u"*", static_cast<int32_t>(zf::kDefaultSearchAttr), u"");
  std::filesystem::path repository;
  TZFArchiveItem found;
  for (bool more = archiver.FindFirst(u"*.*", found, kSearchAllButFolders, u""); more;
       more = archiver.FindNext(found)) {
    const std::filesystem::path name = PathFromUtf16(found.FileName);
    if (EndsWith(name, u".plg"))
      repository = ReadDescriptor(temp / name, editor);
  }
  return repository;
}

class AppendingToEditor : public RepoItemSink {
 public:
  explicit AppendingToEditor(PluginEditor& editor) : editor_(editor) {}
  void ItemCompleted(TRepo item) override { editor_.AppendItem(std::move(item)); }

 private:
  PluginEditor& editor_;
};

}  // namespace

void OpenPlugin(PluginEditor& editor, TZFBaseArchiver& archiver, const std::filesystem::path& path,
                const std::filesystem::path& workingFolder, UserPrompts& prompts) {
  const auto temp = workingFolder / "temp";
  std::filesystem::path repository;
  archiver.SetUserPrompts(&prompts);
  if (EndsWith(path, u".qvx"))
    repository = ExtractAndReadDescriptors(editor, archiver, path, temp);
  // A link left in the temporary folder names no file of this package.
  std::error_code error;
  if (repository.empty() ||
      !std::filesystem::is_regular_file(std::filesystem::symlink_status(repository, error))) {
    prompts.ShowMessage("Cant parse plugin file!");
    return;
  }
  RepositoryReader reader;
  reader.Open(repository);
  if (!editor.JoinMode())
    editor.ClearItems();
  AppendingToEditor sink(editor);
  reader.ReadSettings(sink);
  RemoveFolder(temp, prompts);
}

}  // namespace pw
