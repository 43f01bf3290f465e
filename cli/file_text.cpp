// File helpers of the command-line tool.
#include "cli/file_text.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "platform/errors.h"

namespace pw {

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw FileOpenError(path, SystemReason(errno));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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
