// Repository name, file name and UID from the plugin's SetUID text.
#include "repository/repository_name.h"

#include "model/number_text.h"
#include "platform/errors.h"
#include "platform/text.h"

namespace pw {

std::u16string RepositoryName(std::u16string_view setUid) {
  return u"fac" + std::u16string(setUid);
}

std::u16string RepositoryFileName(std::u16string_view setUid) {
  return RepositoryName(setUid) + u".cre";
}

uint32_t RepositoryUid(std::u16string_view setUid) {
  const std::u16string name = RepositoryName(setUid);
  try {
    // "$" admits hexadecimal digits only: no spaces, signs or markers after it.
    return static_cast<uint32_t>(ReadNumberText(u"$" + name));
  } catch (const ConversionError&) {
    throw ConversionError(Utf16ToUtf8(name));
  }
}

}  // namespace pw
