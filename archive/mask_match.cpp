// Mask matching: "*" takes the shortest run that still leaves a character for what follows.
#include "archive/mask_match.h"

#include <string>
#include <vector>

namespace pw {
namespace {

char16_t Lowered(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// Matches pattern against name from given positions. Literal characters and "?" are consumed
// in a loop and only "*" recurses, so the depth is bounded by the stars of the mask.
class Matcher {
 public:
  Matcher(std::u16string_view pattern, std::u16string_view name)
      : pattern_(pattern), name_(name), failed_((pattern.size() + 1) * (name.size() + 1)) {}

  bool Match(size_t p, size_t s) {
    for (;;) {
      const std::u16string_view rest = pattern_.substr(p);
      if (rest == u"*")
        return true;
      if (rest == u"*.*" && (p == 0 || pattern_[p - 1] == u'*'))
        return true;
      if (s == name_.size())
        return rest.empty();
      if (rest.empty())
        return false;
      if (rest.front() == u'*')
        return MatchStar(p, s);
      if (rest.front() != u'?' && Lowered(rest.front()) != Lowered(name_[s]))
        return false;
      ++p, ++s;
    }
  }

 private:
  // The star at p followed by the rest of the pattern, from name position s. A position
  // known to fail for this star fails for every later position as well, so the scan stops
  // there and every position it passed is marked: each star visits each position once.
  bool MatchStar(size_t p, size_t s) {
    const size_t row = p * (name_.size() + 1);
    size_t k = s;
    for (; k < name_.size() && !failed_[row + k]; ++k) {
      if (Match(p + 1, k))
        return true;
    }
    for (size_t j = s; j < k; ++j)
      failed_[row + j] = true;
    return false;
  }

  std::u16string_view pattern_;
  std::u16string_view name_;
  std::vector<bool> failed_;
};

// The text from the last "." after the last "\" or ":", or nothing.
std::u16string_view Extension(std::u16string_view name) {
  const size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos)
    return {};
  const size_t separator = name.find_last_of(u"\\:");
  if (separator != std::u16string_view::npos && separator > dot)
    return {};
  return name.substr(dot);
}

}  // namespace

bool MaskMatches(std::u16string_view mask, std::u16string_view name) {
  if (mask.empty())
    return false;
  std::u16string pattern(mask);
  if (const size_t at = mask.find(u"*.*"); at != std::u16string_view::npos)
    pattern = std::u16string(mask.substr(0, at)) + u'*' + std::u16string(mask.substr(at + 3));
  const bool wantsNoExtension = mask.back() == u'.';
  if (wantsNoExtension && !pattern.empty())
    pattern.pop_back();
  std::u16string_view subject = name;
  if (!subject.empty() && subject.back() == u'.')
    subject.remove_suffix(1);
  if (!Matcher(pattern, subject).Match(0, 0))
    return false;
  if (!wantsNoExtension)
    return true;
  const std::u16string_view extension = Extension(name);
  return extension.empty() || extension == u".";
}

}  // namespace pw
