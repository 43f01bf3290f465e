// "Associate *.qvx": making the desktop open packages with this program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pw {

class Registry;

// "Software\Classes", ".qvx", "shell", "open", "command".
const std::vector<std::u16string>& AssociationKeyPath();

// The program's full path in double quotes, a space, and "%1" in double quotes.
std::u16string AssociationCommand(const std::filesystem::path& program);

// Writes the command as the default value of the command key.
void RegisterPackageExtension(Registry& registry, const std::filesystem::path& program);

// The platform's own mechanism: the registry on Windows, the XDG desktop entry, MIME type
// and default-application setting elsewhere. Raises AssociationError; nothing stays
// half-written.
void RegisterPackageExtension(const std::filesystem::path& program);

}  // namespace pw
