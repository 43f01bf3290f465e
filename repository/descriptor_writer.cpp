// The descriptor's three lines in UTF-16LE.
#include "repository/descriptor_writer.h"

#include <string>

#include "platform/byte_cursor.h"
#include "platform/file_stream.h"
#include "repository/repository_name.h"

namespace pw {

std::u16string WithoutLineBreaks(std::u16string_view text) {
  std::u16string joined;
  joined.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
      ++i;
    else
      joined.push_back(text[i]);
  }
  return joined;
}

void WriteDescriptor(const std::filesystem::path& path, std::u16string_view setName,
                     std::u16string_view setDescr, std::u16string_view setUid) {
  ByteWriter out;
  out.U16(0xFEFF);
  for (const std::u16string& line :
       {std::u16string(setName), WithoutLineBreaks(setDescr), RepositoryName(setUid)}) {
    out.Utf16(line);
    out.Utf16(u"\r\n");
  }
  FileStream file(path, file_mode::kCreate);
  file.WriteExact(out.Data().data(), out.Size());
}

}  // namespace pw
