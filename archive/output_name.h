// The name an extracted entry gets inside the target folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pw {

// The file-name part of an entry name with "\" separators: what follows its last "\" or ":".
// Nothing when that part could name no file of its own inside the folder (empty, "." or "..",
// or holding a "/" or a NUL), so that no entry is ever written outside the target folder.
std::optional<std::filesystem::path> OutputFileName(const std::u16string& name);

}  // namespace pw
