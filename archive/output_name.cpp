// Reducing an entry name to a file name that stays inside the target folder.
#include "archive/output_name.h"

#include "platform/text.h"

namespace pw {

std::optional<std::filesystem::path> OutputFileName(const std::u16string& name) {
  const size_t separator = name.find_last_of(u"\\:");
  const std::u16string part = separator == std::u16string::npos ? name : name.substr(separator + 1);
  if (part.empty() || part == u"." || part == u".." ||
      part.find_first_of(std::u16string(u"/\0", 2)) != std::u16string::npos)
    return std::nullopt;
  return PathFromUtf16(part);
}

}  // namespace pw
