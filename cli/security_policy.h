// What a stored security policy allows, in words a plugin author can check.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/repository_dump.h"

namespace pw {

struct PolicyMeaning {
  std::string kind;  // "fail", "pass", "capabilities", "sid", "vid", or "unknown"
  std::vector<std::string> capabilities;
  std::string secureId;  // "0x" and eight digits: the SID or VID of "sid" and "vid"
};

// Policies are eight bytes: a type, then capabilities (0xFF: none) and maybe a SID or VID.
// Any other length, or an unknown type, has the kind "unknown".
PolicyMeaning DecodePolicy(const StoredPolicy& policy);

// One line: "pass", "sid 0x0000000A with CommDD, WriteDeviceData", "unknown, bytes 07ff...".
std::string PolicyText(const StoredPolicy& policy);

}  // namespace pw
