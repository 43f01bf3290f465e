// Removing the temporary folder of opening with everything in it.
#pragma once

#include <filesystem>

namespace pw {

class UserPrompts;

// Deletes every file below folder (clearing read-only and the like first) and the folders
// themselves. A file that cannot be deleted gets "Could NOT delete <path>"; the rest goes on.
// Symbolic links are removed themselves; what they point to is never touched.
void RemoveFolder(const std::filesystem::path& folder, UserPrompts& prompts);

}  // namespace pw
