// The extra field that carries an entry's name in UTF-16 beside its code-page bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "archive/zip_records.h"

namespace pw {

namespace zf {
inline constexpr uint16_t kUnicodeNameFieldID = 0x554E;        // "NU"
inline constexpr uint32_t kUnicodeNameSignature = 0x5843554E;  // "NUCX"
}  // namespace zf

// headerID 0x554E; data: "NUCX", the count of UTF-16 code units, the name in UTF-16LE.
TZFExtraFieldDataBlock MakeUnicodeNameField(std::u16string_view name);

// The name a field's data carries; none when the data lack the signature or are shorter
// than the count announces.
std::optional<std::u16string> ReadUnicodeNameField(std::string_view data);

}  // namespace pw
