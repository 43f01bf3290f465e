// The repository name "fac" + SetUID: file name of the binary repository and its UID.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

std::u16string RepositoryName(std::u16string_view setUid);

// "fac" + SetUID + ".cre"
std::u16string RepositoryFileName(std::u16string_view setUid);

// The repository name read as one hexadecimal number (0xFAC00000 for "00000"). Raises
// ConversionError naming the repository name when it is not hexadecimal or passes 32 bits.
uint32_t RepositoryUid(std::u16string_view setUid);

}  // namespace pw
