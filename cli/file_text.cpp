// File helpers of the command-line tool.
#include "cli/file_text.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "platform/errors.h"

namespace pw {

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw FileOpenError(path, SystemReason(errno));
  // One read into a string of the file's size; a file that grows meanwhile is read to its end.
  std::string text;
  std::error_code unknownSize;
  const auto size = std::filesystem::file_size(path, unknownSize);
  if (!unknownSize) {
    text.resize(size);
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<size_t>(in.gcount()));
  }
  text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad())
    throw FileOpenError(path, SystemReason(errno));
  return text;
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out)
    throw FileCreateError(path, SystemReason(errno));
}

PrivateFolder::PrivateFolder() {
  std::random_device random;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() /
            ("plugwright-" + std::to_string(random()) + std::to_string(random()));
    if (std::filesystem::create_directory(path_))
      return;
  }
}

PrivateFolder::~PrivateFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace pw
