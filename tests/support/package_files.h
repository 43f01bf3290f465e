// Packages written by the package archiver from files on disk, as a save writes them.
#pragma once

#include <filesystem>
#include <vector>

namespace pw::test {

// Creates path (replacing it) and adds each file in order, one commit each.
void WritePackage(const std::filesystem::path& path,
                  const std::vector<std::filesystem::path>& files);

}  // namespace pw::test
