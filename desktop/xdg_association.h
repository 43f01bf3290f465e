// The file association on desktops that follow the XDG specifications (Linux, BSD).
#pragma once

#include <filesystem>
#include <string>

namespace pw {

struct XdgFolders {
  std::filesystem::path dataHome;    // $XDG_DATA_HOME, default ~/.local/share
  std::filesystem::path configHome;  // $XDG_CONFIG_HOME, default ~/.config
};

XdgFolders XdgFoldersFromEnvironment();

inline constexpr char kPackageMimeType[] = "application/x-qorvix-plugin";
inline constexpr char kDesktopEntryName[] = "qorvix-plugwright.desktop";

// The Exec line of the desktop entry: the program's full path quoted and escaped as the
// Desktop Entry format asks, then the file argument.
std::string DesktopExecLine(const std::filesystem::path& program);

// Writes the MIME type for *.qvx, the desktop entry that runs program with the file, and that
// entry as the type's default application, then refreshes the MIME and desktop databases when
// their tools are installed. Every file is written beside its place and renamed into it; when
// any step fails, the files already replaced get their earlier contents back and
// AssociationError is raised.
void RegisterWithXdg(const XdgFolders& folders, const std::filesystem::path& program);

}  // namespace pw
