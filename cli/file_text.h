// Whole files in and out, with the tool's error texts.
#pragma once

#include <filesystem>
#include <string>

namespace pw {

// Raises FileOpenError when the file cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);
// Raises FileCreateError when the file cannot be written.
void WriteWholeFile(const std::filesystem::path& path, const std::string& text);

// A fresh private folder under the system's temporary folder, removed with what it holds
// when the object goes.
class PrivateFolder {
 public:
  PrivateFolder();
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace pw
