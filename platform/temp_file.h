// Uniquely named temporary files that are removed when their owner lets go of them.
#pragma once

#include <filesystem>
#include <string_view>

namespace pw {

// Creates a new empty file whose name starts with prefix, in folder or, when folder is empty,
// in the system's temporary folder. Raises FileCreateError when no file can be made.
std::filesystem::path CreateTempFile(const std::filesystem::path& folder, std::string_view prefix);

// A temporary file deleted, if it still exists, when this goes out of scope.
class TemporaryFile {
 public:
  TemporaryFile(const std::filesystem::path& folder, std::string_view prefix)
      : path_(CreateTempFile(folder, prefix)) {}
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace pw
