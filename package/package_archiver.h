// The archive component as plugin packages use it.
#pragma once

#include <memory>

namespace pw {

class TZFBaseArchiver;
class UserPrompts;

// Stored entries under their bare file names, names in the OEM code page with the Unicode
// name field, flushing after each commit, no descent into folders; named "PackageArchiver"
// in the messages that carry the component's name. prompts answers the failure decision and
// the password prompt (see TZFBaseArchiver).
std::unique_ptr<TZFBaseArchiver> MakePackageArchiver(UserPrompts* prompts = nullptr);

}  // namespace pw
