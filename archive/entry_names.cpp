// The code-page or UTF-8 bytes of an entry name, and the name stored for a source file.
#include "archive/entry_names.h"

#include <algorithm>

#include "platform/code_pages.h"
#include "platform/text.h"

namespace pw {
namespace {

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Drops whole characters from the end until the text fits.
void CutUtf8(std::string& text, size_t limit) {
  while (text.size() > limit) {
    while (!text.empty() && IsContinuationByte(text.back()))
      text.pop_back();
    if (!text.empty())
      text.pop_back();
  }
}

}  // namespace

EntryNameBytes EncodeEntryName(std::u16string_view name, bool oemFileNames) {
  const std::string ansi = Utf16ToAnsi(name);
  if (AnsiToUtf16(ansi) == name)
    return {oemFileNames ? AnsiToOemBytes(ansi) : ansi, false};
  std::string utf8 = Utf16ToUtf8(name);
  CutUtf8(utf8, kMaxUtf8NameBytes);
  return {utf8, true};
}

std::u16string StoredFileName(const std::filesystem::path& source) {
  std::u16string name = PathToUtf16(source.filename());
  if (!name.empty() && name.back() == u'.')
    name.pop_back();
  std::replace(name.begin(), name.end(), u'\\', u'/');
  return name;
}

}  // namespace pw
