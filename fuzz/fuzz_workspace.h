// What the fuzz targets share: a private folder per process, and prompts that answer
// without a person.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "platform/user_prompts.h"

namespace pw::fuzz {

// Created once per process under the system's temporary folder, removed at exit.
inline const std::filesystem::path& Workspace() {
  static const std::filesystem::path folder = [] {
    // A name nobody has taken, made the portable way (mkdtemp is POSIX only).
    std::random_device random;
    for (;;) {
      const auto candidate = std::filesystem::temp_directory_path() /
                             ("pw_fuzz_" + std::to_string(random()) + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(candidate, error)) {
        std::atexit([] { std::filesystem::remove_all(Workspace()); });
        return candidate;
      }
      if (error)
        std::abort();
    }
  }();
  return folder;
}

// The input as a file of the workspace.
inline std::filesystem::path WriteInput(const uint8_t* data, size_t size, const char* name) {
  const auto path = Workspace() / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// Every failure question is answered Ignore, every password request cancelled.
class QuietPrompts : public UserPrompts {
 public:
  void ShowMessage(const std::string&) override {}
  void ShowError(const std::string&) override {}
  PromptButton Confirm(const std::string&, const std::vector<PromptButton>&) override {
    return PromptButton::Ignore;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace pw::fuzz
