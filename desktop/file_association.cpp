// The association's key path and command text, and the choice of the platform's mechanism.
#include "desktop/file_association.h"

#include <algorithm>

#include "desktop/registry.h"
#include "desktop/xdg_association.h"
#include "platform/text.h"

namespace pw {

const std::vector<std::u16string>& AssociationKeyPath() {
  static const std::vector<std::u16string> path = {u"Software\\Classes", u".qvx", u"shell", u"open",
                                                   u"command"};
  return path;
}

std::u16string AssociationCommand(const std::filesystem::path& program, char16_t separator) {
  std::u16string path = PathToUtf16(std::filesystem::absolute(program));
  std::replace(path.begin(), path.end(), u'/', separator);
  std::u16string command = u"\"";
  command.append(path);
  command.append(u"\" \"%1\"");
  return command;
}

void RegisterPackageExtension(Registry& registry, const std::filesystem::path& program) {
  registry.WriteDefaultValue(AssociationKeyPath(), AssociationCommand(program));
}

void RegisterPackageExtension(const std::filesystem::path& program) {
#ifdef _WIN32
  RegisterPackageExtension(*SystemRegistry(), program);
#else
  RegisterWithXdg(XdgFoldersFromEnvironment(), program);
#endif
}

}  // namespace pw
