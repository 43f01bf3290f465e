// XDG file association: shared-mime-info package, desktop entry, mimeapps.list default.
#include "desktop/xdg_association.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "desktop/association_error.h"

namespace pw {
namespace {

std::filesystem::path FromEnvironment(const char* variable, const char* fallbackBelowHome) {
  if (const char* value = std::getenv(variable); value && *value == '/')
    return value;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home ? home : "/") / fallbackBelowHome;
}

std::string MimePackage() {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"") +
         kPackageMimeType +
         "\">\n"
         "    <comment>Qorvix plugin</comment>\n"
         "    <glob pattern=\"*.qvx\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string DesktopEntry(const std::filesystem::path& program) {
  return std::string(
             "[Desktop Entry]\n"
             "Type=Application\n"
             "Name=Qorvix Plugwright\n"
             "Comment=Write plugins for Qorvix\n"
             // This entry takes the place of the installed one, so it carries its icon too.
             "Icon=plugwright\n"
             "Exec=") +
         DesktopExecLine(program) +
         "\n"
         "MimeType=" +
         kPackageMimeType +
         ";\n"
         "Terminal=false\n";
}

std::optional<std::string> Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// mimeapps.list with our entry as the type's default, every other line kept.
std::string WithDefaultApplication(const std::string& existing) {
  const std::string group = "[Default Applications]";
  const std::string key = std::string(kPackageMimeType) + "=";
  const std::string line = key + kDesktopEntryName;
  std::istringstream in(existing);
  std::string result, current;
  bool inGroup = false, groupSeen = false, written = false;
  while (std::getline(in, current)) {
    if (!current.empty() && current.front() == '[') {
      if (inGroup && !written)
        result += line + "\n", written = true;
      inGroup = current == group;
      groupSeen = groupSeen || inGroup;
    } else if (inGroup && current.rfind(key, 0) == 0) {
      if (!written)
        result += line + "\n", written = true;
      continue;
    }
    result += current + "\n";
  }
  if (inGroup && !written)
    result += line + "\n", written = true;
  if (!groupSeen)
    result += (result.empty() ? "" : "\n") + group + "\n" + line + "\n";
  return result;
}

// One file to put in place, with what stood there before, for the way back.
struct Replacement {
  std::filesystem::path path;
  std::string contents;
  std::optional<std::string> before;
};

void WriteWhole(const std::filesystem::path& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
  out.close();
  if (!out)
    throw AssociationError();
}

void Replace(const Replacement& file) {
  std::filesystem::create_directories(file.path.parent_path());
  auto incoming = file.path;
  incoming += ".new";
  WriteWhole(incoming, file.contents);
  std::error_code error;
  std::filesystem::rename(incoming, file.path, error);
  if (error) {
    std::filesystem::remove(incoming, error);
    throw AssociationError();
  }
}

void Restore(const Replacement& file) {
  std::error_code ignored;
  if (file.before) {
    std::ofstream(file.path, std::ios::binary | std::ios::trunc) << *file.before;
  } else {
    std::filesystem::remove(file.path, ignored);
  }
}

bool ToolInstalled(const std::string& tool) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    std::error_code ignored;
    if (!folder.empty() && std::filesystem::exists(std::filesystem::path(folder) / tool, ignored))
      return true;
  }
  return false;
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The databases only speed lookups up; a desktop without the tools still reads our files.
void RefreshDatabases(const XdgFolders& folders) {
  const std::pair<const char*, std::filesystem::path> tools[] = {
      {"update-mime-database", folders.dataHome / "mime"},
      {"update-desktop-database", folders.dataHome / "applications"}};
  for (const auto& [tool, folder] : tools) {
    if (!ToolInstalled(tool))
      continue;
    const std::string command =
        std::string(tool) + " " + ShellQuoted(folder.string()) + " >/dev/null 2>&1";
    [[maybe_unused]] const int ignored = std::system(command.c_str());
  }
}

}  // namespace

XdgFolders XdgFoldersFromEnvironment() {
  return {FromEnvironment("XDG_DATA_HOME", ".local/share"),
          FromEnvironment("XDG_CONFIG_HOME", ".config")};
}

std::string DesktopExecLine(const std::filesystem::path& program) {
  std::string quoted = "\"";
  for (char c : std::filesystem::absolute(program).string()) {
    if (c == '"' || c == '`' || c == '$' || c == '\\')
      quoted += '\\';
    if (c == '%')
      quoted += '%';
    quoted += c;
  }
  quoted += "\" %f";
  // The value is read as a string first, where a backslash escapes itself.
  std::string escaped;
  for (char c : quoted)
    escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return escaped;
}

void RegisterWithXdg(const XdgFolders& folders, const std::filesystem::path& program) {
  const auto mimeApps = folders.configHome / "mimeapps.list";
  std::vector<Replacement> files = {
      {folders.dataHome / "mime" / "packages" / "qorvix-plugwright.xml", MimePackage(), {}},
      {folders.dataHome / "applications" / kDesktopEntryName, DesktopEntry(program), {}},
      {mimeApps, WithDefaultApplication(Contents(mimeApps).value_or("")), {}},
  };
  size_t done = 0;
  try {
    for (; done < files.size(); ++done) {
      files[done].before = Contents(files[done].path);
      Replace(files[done]);
    }
  } catch (const std::exception&) {
    for (size_t i = 0; i < done; ++i)
      Restore(files[i]);
    throw AssociationError();
  }
  RefreshDatabases(folders);
}

}  // namespace pw
