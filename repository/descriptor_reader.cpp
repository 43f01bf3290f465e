// Descriptor reading: UTF-16LE with or without a mark, lines ended by CR LF, CR or LF.
#include "repository/descriptor_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/byte_cursor.h"
#include "platform/errors.h"
#include "platform/file_stream.h"
#include "platform/text.h"

namespace pw {
namespace {

constexpr size_t kExtensionLength = 4;         // ".plg"
constexpr size_t kRepositoryPrefixLength = 3;  // "fac"
constexpr size_t kSetUidLength = 5;
constexpr uint16_t kByteOrderMark = 0xFEFF;

std::u16string ReadUtf16File(const std::filesystem::path& path) {
  FileStream file(path, file_mode::kReadShareAll);
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  ByteCursor in(bytes);
  if (in.Remaining() >= 2 && ByteCursor(bytes).U16() == kByteOrderMark)
    in.Skip(2);
  return in.Utf16(in.Remaining() / 2);
}

// A break at the very end begins no further line; an empty line between breaks counts.
std::vector<std::u16string> SplitLines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

const std::u16string& Line(const std::vector<std::u16string>& lines, size_t index) {
  if (index >= lines.size())
    throw ListIndexError(static_cast<long long>(index));
  return lines[index];
}

std::filesystem::path PathFromText(const std::u16string& text) {
  const std::string utf8 = Utf16ToUtf8(text);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The repository file must be a plain name beside the descriptor, never a way out of it.
std::filesystem::path RepositoryPath(const std::filesystem::path& folder,
                                     const std::u16string& name) {
  if (name.find_first_of(std::u16string(u"/\\:\0", 4)) != std::u16string::npos)
    return {};
  return folder / PathFromText(name + u".cre");
}

}  // namespace

std::filesystem::path ReadDescriptor(const std::filesystem::path& path, PluginFieldSink& fields) {
  const std::u16string fileName = Utf8ToUtf16(PathText(path.filename()));
  fields.FieldRead(
      PluginField::PluginName,
      fileName.substr(0, fileName.size() - std::min(fileName.size(), kExtensionLength)));
  const std::vector<std::u16string> lines = SplitLines(ReadUtf16File(path));
  fields.FieldRead(PluginField::SetName, Line(lines, 0));
  fields.FieldRead(PluginField::SetDescr, Line(lines, 1));
  const std::u16string& repositoryName = Line(lines, 2);
  fields.FieldRead(PluginField::SetUID,
                   repositoryName.size() > kRepositoryPrefixLength
                       ? repositoryName.substr(kRepositoryPrefixLength, kSetUidLength)
                       : std::u16string());
  return RepositoryPath(path.parent_path(), repositoryName);
}

}  // namespace pw
