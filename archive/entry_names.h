// Entry names: the name stored for a file and the bytes both headers carry for a name.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pw {

struct EntryNameBytes {
  std::string bytes;
  bool utf8 = false;  // the bytes are UTF-8: general purpose flag 0x0800
};

// The UTF-8 form of a name holds at most this many bytes.
inline constexpr size_t kMaxUtf8NameBytes = 254;

// A name that survives the round trip through the host's ANSI code page is stored in that
// code page (converted to OEM when oemFileNames is on); any other name is stored as UTF-8,
// cut back by whole characters to at most 254 bytes.
EntryNameBytes EncodeEntryName(std::u16string_view name, bool oemFileNames);

// The name stored for a source file without its folder: the file-name part, one trailing "."
// removed, "\" turned into "/".
std::u16string StoredFileName(const std::filesystem::path& source);

}  // namespace pw
