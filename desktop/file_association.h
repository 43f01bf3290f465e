// "Associate *.qvx": making the desktop open packages with this program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pw {

class Registry;

// "Software\Classes", ".qvx", "shell", "open", "command".
const std::vector<std::u16string>& AssociationKeyPath();

// The program's full path in double quotes, a space, and "%1" in double quotes. The path is
// written with the given separator: the shell and programs started through the association
// expect the native one, also where the path came with slashes (as the toolkit gives it).
std::u16string AssociationCommand(
    const std::filesystem::path& program,
    char16_t separator = static_cast<char16_t>(std::filesystem::path::preferred_separator));

// Writes the command as the default value of the command key.
void RegisterPackageExtension(Registry& registry, const std::filesystem::path& program);

// The platform's own mechanism: the registry on Windows, the XDG desktop entry, MIME type
// and default-application setting elsewhere. Raises AssociationError; nothing stays
// half-written.
void RegisterPackageExtension(const std::filesystem::path& program);

}  // namespace pw
