// Writes the plugin descriptor: three UTF-16LE lines after a byte-order mark.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pw {

// The description as the descriptor keeps it: the memo's lines joined with nothing between
// them; a lone CR or LF stays.
std::u16string WithoutLineBreaks(std::u16string_view text);

// Creates (or replaces) the descriptor at path: the plugin name, the description without
// its CR LF pairs, and the repository name, each line ended by CR LF.
// Raises FileCreateError or StreamWriteError.
void WriteDescriptor(const std::filesystem::path& path, std::u16string_view setName,
                     std::u16string_view setDescr, std::u16string_view setUid);

}  // namespace pw
