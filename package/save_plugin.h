// "Save plugin": the descriptor and the repository file packed into one package.
#pragma once

#include <filesystem>
#include <optional>

namespace pw {

class PluginEditor;
class TZFBaseArchiver;
class UserPrompts;

// Writes workingFolder/<PluginName>/<PluginName>.qvx from the editor's plugin fields and
// items and shows "Готово!"; returns the package's path. Does nothing, silently, when the
// list box shows no line. The earlier package is replaced only once the new one is complete
// (it is written under a temporary name and renamed), so a failed save leaves it as it was.
// Errors are raised for the caller to show. A plugin file name that would leave the working
// folder, a SetUID that is not hexadecimal and items the repository file cannot hold are
// refused before anything is written; a number text that does not convert, file and archive
// errors stop the save where they occur.
std::optional<std::filesystem::path> SavePlugin(PluginEditor& editor, TZFBaseArchiver& archiver,
                                                const std::filesystem::path& workingFolder,
                                                UserPrompts& prompts);

// The package path a save with this plugin file name writes.
std::filesystem::path PackagePath(const std::filesystem::path& workingFolder,
                                  const std::u16string& pluginName);

}  // namespace pw
