// Python's zipfile as the peer that reads what we write.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace pw::test {

// Python's zipfile must list exactly these entry names (UTF-8) in order, read each with the
// bytes of its source file, and find every CRC good. Returns "OK" or what went wrong.
std::string PeerCheck(const std::filesystem::path& archive,
                      const std::vector<std::pair<std::string, std::filesystem::path>>& entries);

}  // namespace pw::test
