// Wildcard matching of full paths against the exclusion list.
#include "archive/exclusion_list.h"

#include "platform/text.h"

namespace pw {
namespace {

char16_t LowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::filesystem::path Normal(const std::filesystem::path& path) {
  return std::filesystem::absolute(path).lexically_normal();
}

}  // namespace

bool WildcardMatch(std::u16string_view mask, std::u16string_view text) {
  size_t m = 0;
  size_t t = 0;
  size_t starAt = std::u16string_view::npos;
  size_t resumeAt = 0;
  while (t < text.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      starAt = m++;
      resumeAt = t;
    } else if (m < mask.size() && (mask[m] == u'?' || LowerAscii(mask[m]) == LowerAscii(text[t]))) {
      ++m;
      ++t;
    } else if (starAt != std::u16string_view::npos) {
      m = starAt + 1;
      t = ++resumeAt;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*')
    ++m;
  return m == mask.size();
}

ExclusionList::ExclusionList(const std::filesystem::path& exclusionMask,
                             const std::filesystem::path& archive)
    : archive_(Normal(archive)) {
  if (!exclusionMask.empty())
    masks_.push_back(PathToUtf16(exclusionMask));
  masks_.push_back(PathToUtf16(archive_));
}

bool ExclusionList::Excludes(const std::filesystem::path& file) const {
  const std::u16string text = PathToUtf16(Normal(file));
  for (const std::u16string& mask : masks_) {
    if (WildcardMatch(mask, text))
      return true;
  }
  // The archive reached under another name (a link) is still the archive.
  std::error_code error;
  return std::filesystem::equivalent(file, archive_, error);
}

}  // namespace pw
