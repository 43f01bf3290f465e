// The number fields of an item, read only where they convert.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pw {

// The value HexOrDecToInt gives, or nothing where it would raise a conversion error.
std::optional<int32_t> NumberIfAny(std::u16string_view text);

}  // namespace pw
