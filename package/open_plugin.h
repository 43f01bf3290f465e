// "Open plugin": a package unpacked into the temporary folder and read back into the editor.
#pragma once

#include <filesystem>

namespace pw {

class PluginEditor;
class TZFBaseArchiver;
class UserPrompts;

// Opens the package at path through workingFolder/temp: the plugin fields take the
// descriptor's texts and the items replace the editor's (or are appended in join mode).
// Shows "Cant parse plugin file!" when the path does not end in ".qvx" or the package holds
// no readable descriptor with its repository file. Archive, descriptor and repository errors
// are raised for the caller to show; the temporary folder is then left as it is.
void OpenPlugin(PluginEditor& editor, TZFBaseArchiver& archiver, const std::filesystem::path& path,
                const std::filesystem::path& workingFolder, UserPrompts& prompts);

}  // namespace pw
