// Python's zipfile as the peer of our archives: it reads what we write and writes what we read.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace pw::test {

// Python's zipfile must list exactly these entry names (UTF-8) in order, read each with the
// bytes of its source file, and find every CRC good. Returns "OK" or what went wrong.
// A Windows build, run under Wine, cannot start the Linux python3: it copies the archive and
// the sources into the peer queue instead, returns "OK" once they are there, and the test
// zip_peer_queue checks them with the same script after the suites have run.
std::string PeerCheck(const std::filesystem::path& archive,
                      const std::vector<std::pair<std::string, std::filesystem::path>>& entries);

// Fills folder with the archives make_peer_archives.py makes with Python's zipfile, each with
// its "<archive>.expected" folder. A Windows build copies them from those the test
// make_peer_archives made beforehand. Returns false when that fails.
bool MakePeerArchives(const std::filesystem::path& folder);

}  // namespace pw::test
