// What a stored security policy of a repository file allows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "repository/repository_dump.h"

namespace pw {

struct PolicyMeaning {
  std::string kind;  // "fail", "pass", "capabilities", "sid", "vid", or "unknown"
  std::vector<std::string> capabilities;
  std::optional<uint32_t> secureId;  // the SID or VID of "sid" and "vid"
};

// Policies are eight bytes: a type, then capabilities (0xFF: none) and maybe a SID or VID.
// Any other length, or an unknown type, has the kind "unknown".
PolicyMeaning DecodePolicy(const StoredPolicy& policy);

// One line: "pass", "sid 0x0000000A with CommDD, WriteDeviceData", "unknown, bytes 07ff...".
std::string PolicyText(const StoredPolicy& policy);

// What a write policy asks of a writer, when that is more than nothing: "writing needs
// capabilities WriteDeviceData", "writing needs sid 0x0000000A", "writing is always refused";
// nothing for "pass" and for capabilities that name none.
std::optional<std::string> WriteRequirement(const StoredPolicy& policy);

}  // namespace pw
