// Saving a plugin: loose files, a package under a temporary name, then the swap.
#include "package/save_plugin.h"

#include <string>
#include <system_error>

#include "archive/archiver.h"
#include "package/plugin_editor.h"
#include "platform/errors.h"
#include "platform/file_stream.h"
#include "platform/text.h"
#include "platform/user_prompts.h"
#include "platform/windows_names.h"
#include "repository/descriptor_writer.h"
#include "repository/repository_name.h"
#include "repository/repository_writer.h"
#include "repository/save_limits.h"

namespace pw {
namespace {

// A plugin file name names a folder inside the working folder and the files in it; one that
// holds a separator or is "." or ".." would put them elsewhere. So would a ":" on Windows,
// where "C:name" is a path relative to drive C:, wherever the working folder is; refused
// everywhere, so that a plugin saved on one system can be saved on the other.
void RefuseNameOutsideWorkingFolder(const std::u16string& pluginName) {
  if (pluginName == u"." || pluginName == u".." ||
      pluginName.find_first_of(u"/\\:") != std::u16string::npos)
    throw Error("Plugin file \"" + Utf16ToUtf8(pluginName) +
                "\" cannot be used: a plugin file name must not hold \"/\", \"\\\" or \":\" and "
                "must not be \".\" or \"..\".");
}

std::string WindowsNameRule(WindowsNameFault fault) {
  switch (fault) {
    case WindowsNameFault::kReservedCharacter:
      return "must not hold \"<\", \">\", \"\"\", \"|\", \"?\", \"*\" or a control character, "
             "which Windows does not allow in file names";
    case WindowsNameFault::kDeviceName:
      return "must not be a device name of Windows (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to "
             "LPT9), alone or with an extension";
    case WindowsNameFault::kTrailingDotOrSpace:
      return "must not end in \".\" or \" \", which Windows drops from file names";
    case WindowsNameFault::kNone:
      break;
  }
  return {};
}

// The same name must make the same folder and files on every system, so one that Windows
// cannot create (or would open a device for) is refused on all of them.
void RefuseNameWindowsCannotHold(const std::u16string& pluginName) {
  const WindowsNameFault fault = FindWindowsNameFault(pluginName);
  if (fault != WindowsNameFault::kNone)
    throw Error("Plugin file \"" + Utf16ToUtf8(pluginName) +
                "\" cannot be used: a plugin file name " + WindowsNameRule(fault) + ".");
}

// Everything the repository file cannot hold is refused before the plugin folder and the
// descriptor are written, so a refused save leaves nothing behind.
void RefuseUnsavable(std::u16string_view setUid, const RepoItems& items) {
  RepositoryUid(setUid);
  CheckSavable(items);
}

// The system's reason, worded as the file layer words it; codes of another category (the
// runtime's own numbering) are worded by that category.
std::string ReasonText(const std::error_code& error) {
  return error.category() == std::system_category() ? SystemReason(error.value()) : error.message();
}

// A path that cannot be replaced (a folder) is, to the user, a package that cannot be made.
void ReplacePackage(const std::filesystem::path& incoming, const std::filesystem::path& package) {
  std::error_code error;
  std::filesystem::rename(incoming, package, error);
  if (error)
    throw FileCreateError(package, ReasonText(error));
}

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

// Adds one loose file. A file the archive's failure decision gave up on (Abort or Ignore)
// leaves the package without it: such a package must not replace the earlier one or be
// reported as saved.
void AddLooseFile(TZFBaseArchiver& archiver, const std::filesystem::path& file,
                  size_t entriesAfter) {
  archiver.AddFiles(file, zf::kDefaultSearchAttr, {});
  if (archiver.DMHandle()->CDir.Count() != entriesAfter)
    throw Error("The plugin was not saved: \"" + PathText(file.filename()) +
                "\" could not be stored in its package. The earlier package is unchanged.");
}

// Packs the two loose files into a package at path, the descriptor first.
void WritePackage(TZFBaseArchiver& archiver, const std::filesystem::path& path,
                  const std::filesystem::path& descriptor,
                  const std::filesystem::path& repository) {
  archiver.FileName = path;
  archiver.OpenArchive(file_mode::kCreate);
  AddLooseFile(archiver, descriptor, 1);
  AddLooseFile(archiver, repository, 2);
  archiver.CloseArchive();
}

}  // namespace

std::filesystem::path PackagePath(const std::filesystem::path& workingFolder,
                                  const std::u16string& pluginName) {
  return workingFolder / PathFromUtf16(pluginName) / PathFromUtf16(pluginName + u".qvx");
}

std::optional<std::filesystem::path> SavePlugin(PluginEditor& editor, TZFBaseArchiver& archiver,
                                                const std::filesystem::path& workingFolder,
                                                UserPrompts& prompts) {
  if (!editor.ListShowsLines())
    return std::nullopt;
  const std::u16string pluginName = editor.PluginFieldText(PluginField::PluginName);
  const std::u16string setUid = editor.PluginFieldText(PluginField::SetUID);
  RefuseNameOutsideWorkingFolder(pluginName);
  RefuseNameWindowsCannotHold(pluginName);
  RefuseUnsavable(setUid, editor.Items());
  const auto folder = workingFolder / PathFromUtf16(pluginName);
  std::error_code ignored;
  std::filesystem::create_directory(folder, ignored);
  const auto descriptor = folder / PathFromUtf16(pluginName + u".plg");
  const auto repository = folder / PathFromUtf16(u"fac" + setUid + u".cre");
  WriteDescriptor(descriptor, editor.PluginFieldText(PluginField::SetName),
                  editor.PluginFieldText(PluginField::SetDescr), setUid);
  WriteRepository(repository, setUid, editor.Items());

  const auto package = PackagePath(workingFolder, pluginName);
  archiver.SetUserPrompts(&prompts);
  auto incoming = package;
  incoming += ".saving";
  try {
    WritePackage(archiver, incoming, descriptor, repository);
    ReplacePackage(incoming, package);
  } catch (...) {
    archiver.CloseArchive();
    RemoveQuietly(incoming);
    archiver.FileName = package;
    throw;
  }
  archiver.FileName = package;
  RemoveQuietly(descriptor);
  RemoveQuietly(repository);
  prompts.ShowMessage("Готово!");
  return package;
}

}  // namespace pw
