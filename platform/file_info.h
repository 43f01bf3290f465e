// What the host reports about a file: its name as stored, attribute word, size, last-write time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace pw {

struct FileInfo {
  std::filesystem::path path;          // the folder asked for and the name as the host stores it
  std::optional<uint32_t> attributes;  // MS-DOS attribute bits, when they can be read
  uint64_t size = 0;
  std::optional<std::filesystem::file_time_type> lastWrite;
};

// Looks a file or folder up by its full path; nothing when no such file exists.
// On POSIX the attribute word is built: a folder 0x10, a file 0x20, plus read-only 0x01 when
// the owner may not write it and hidden 0x02 when its name starts with ".".
std::optional<FileInfo> FindFile(const std::filesystem::path& path);

// Sets the attribute word; on POSIX only read-only has a meaning (it clears or restores the
// write permissions). Returns false when the host refuses.
bool SetFileAttributeWord(const std::filesystem::path& path, uint32_t attributes);

}  // namespace pw
