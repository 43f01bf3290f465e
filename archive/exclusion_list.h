// Paths that gathering files for an archive passes over: the exclusion mask and the archive.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// Does the mask match the whole text? "*" stands for any run of characters, "?" for one,
// ASCII letters compare without case.
bool WildcardMatch(std::u16string_view mask, std::u16string_view text);

class ExclusionList {
 public:
  // exclusionMask may be empty; the archive's own path is always excluded.
  ExclusionList(const std::filesystem::path& exclusionMask, const std::filesystem::path& archive);
  bool Excludes(const std::filesystem::path& file) const;

 private:
  std::vector<std::u16string> masks_;
  std::filesystem::path archive_;
};

}  // namespace pw
