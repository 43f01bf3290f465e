// Where the plugin folders and the temporary folder of opening live.
#pragma once

#include <filesystem>

namespace pw {

// The program's own folder when it can be written to and is not an installed program's (a bin
// folder, or one holding the Windows uninstaller "uninstall.exe"); otherwise the per-user data
// folder: $XDG_DATA_HOME/qorvix-plugwright (default ~/.local/share/qorvix-plugwright), or
// %LOCALAPPDATA%\Qorvix Plugwright on Windows, created when missing.
std::filesystem::path WorkingFolder(const std::filesystem::path& programFolder);

}  // namespace pw
