// Writes the item list as a binary Central Repository file.
#pragma once

#include <filesystem>
#include <string_view>

#include "model/repo_items.h"

namespace pw {

// Creates (or replaces) the file at path and writes every item under its keys.
// Refuses items the layout cannot hold before touching the file (SaveRefusedError).
// A SetUID that is not hexadecimal stops after the first 21 bytes, a number text that does
// not convert after the first 29, both with ConversionError. File errors come from FileStream.
void WriteRepository(const std::filesystem::path& path, std::u16string_view setUid,
                     const RepoItems& items);

}  // namespace pw
