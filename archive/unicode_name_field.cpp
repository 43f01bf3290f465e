// Encoding and decoding of the Unicode name field.
#include "archive/unicode_name_field.h"

namespace pw {

TZFExtraFieldDataBlock MakeUnicodeNameField(std::u16string_view name) {
  ByteWriter data;
  data.U32(zf::kUnicodeNameSignature);
  data.U32(static_cast<uint32_t>(name.size()));
  for (const char16_t unit : name)
    data.U16(unit);
  TZFExtraFieldDataBlock field;
  field.headerID = zf::kUnicodeNameFieldID;
  field.dataSize = static_cast<uint16_t>(data.Size());
  field.pData = data.Chars();
  return field;
}

std::optional<std::u16string> ReadUnicodeNameField(std::string_view data) {
  ByteCursor in(data);
  if (in.Remaining() < 8 || in.U32() != zf::kUnicodeNameSignature)
    return std::nullopt;
  const uint32_t count = in.U32();
  if (count > in.Remaining() / 2)
    return std::nullopt;
  std::u16string name;
  name.reserve(count);
  for (uint32_t i = 0; i < count; ++i)
    name.push_back(static_cast<char16_t>(in.U16()));
  return name;
}

}  // namespace pw
