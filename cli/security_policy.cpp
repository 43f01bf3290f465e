// Decoding the eight-byte security policies of a repository file.
#include "cli/security_policy.h"

#include <array>

#include "cli/hex_text.h"

namespace pw {
namespace {

constexpr size_t kPolicySize = 8;
constexpr uint8_t kNoCapability = 0xFF;

enum PolicyType : uint8_t {
  kFail = 0,
  kPass = 1,
  kThreeCaps = 2,
  kSevenCaps = 3,
  kSid = 4,
  kVid = 5
};

constexpr std::array<const char*, 20> kCapabilityNames = {"TCB",
                                                          "CommDD",
                                                          "PowerMgmt",
                                                          "MultimediaDD",
                                                          "ReadDeviceData",
                                                          "WriteDeviceData",
                                                          "DRM",
                                                          "TrustedUI",
                                                          "ProtServ",
                                                          "DiskAdmin",
                                                          "NetworkControl",
                                                          "AllFiles",
                                                          "SwEvent",
                                                          "NetworkServices",
                                                          "LocalServices",
                                                          "ReadUserData",
                                                          "WriteUserData",
                                                          "Location",
                                                          "SurroundingsDD",
                                                          "UserEnvironment"};

std::string CapabilityName(uint8_t capability) {
  if (capability < kCapabilityNames.size())
    return kCapabilityNames[capability];
  return "capability " + std::to_string(capability);
}

void AddCapabilities(const std::vector<uint8_t>& bytes, size_t from, size_t to,
                     PolicyMeaning& meaning) {
  for (size_t i = from; i < to; ++i)
    if (bytes[i] != kNoCapability)
      meaning.capabilities.push_back(CapabilityName(bytes[i]));
}

std::string HexId(const std::vector<uint8_t>& bytes) {
  return HexWord(bytes[4] | bytes[5] << 8 | bytes[6] << 16 | uint32_t{bytes[7]} << 24);
}

}  // namespace

PolicyMeaning DecodePolicy(const StoredPolicy& policy) {
  const auto& bytes = policy.bytes;
  PolicyMeaning meaning{"unknown", {}, {}};
  if (bytes.size() != kPolicySize)
    return meaning;
  switch (bytes[0]) {
    case kFail:
      meaning.kind = "fail";
      break;
    case kPass:
      meaning.kind = "pass";
      break;
    case kThreeCaps:
      meaning.kind = "capabilities";
      AddCapabilities(bytes, 1, 4, meaning);
      break;
    case kSevenCaps:
      meaning.kind = "capabilities";
      AddCapabilities(bytes, 1, kPolicySize, meaning);
      break;
    case kSid:
    case kVid:
      meaning.kind = bytes[0] == kSid ? "sid" : "vid";
      meaning.secureId = HexId(bytes);
      AddCapabilities(bytes, 1, 4, meaning);
      break;
    default:
      break;
  }
  return meaning;
}

std::string PolicyText(const StoredPolicy& policy) {
  const PolicyMeaning meaning = DecodePolicy(policy);
  if (meaning.kind == "unknown")
    return "unknown, bytes " + HexBytes(policy.bytes);
  std::string text = meaning.kind;
  if (!meaning.secureId.empty())
    text += " " + meaning.secureId;
  for (size_t i = 0; i < meaning.capabilities.size(); ++i)
    text += (i == 0 ? (meaning.secureId.empty() ? " " : " with ") : ", ") + meaning.capabilities[i];
  if (meaning.kind == "capabilities" && meaning.capabilities.empty())
    text += " (none)";
  return text;
}

}  // namespace pw
