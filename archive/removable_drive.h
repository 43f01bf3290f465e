// Whether a path lies on a removable drive, where a missing archive may be another volume.
#pragma once

#include <filesystem>

namespace pw {

// "A:" and "B:", or a drive the host reports as removable; never on hosts without drives.
bool IsOnRemovableDrive(const std::filesystem::path& path);

}  // namespace pw
