// Decoding the eight-byte security policies of a repository file.
#include "repository/security_policy.h"

#include <array>
#include <span>

#include "platform/byte_cursor.h"
#include "repository/hex_text.h"

namespace pw {
namespace {

constexpr size_t kPolicySize = 8;
constexpr uint8_t kNoCapability = 0xFF;

constexpr size_t kSecureIdOffset = 4;

enum class PolicyType : uint8_t {
  Fail = 0,
  Pass = 1,
  ThreeCaps = 2,
  SevenCaps = 3,
  Sid = 4,
  Vid = 5
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

uint32_t SecureId(const std::vector<uint8_t>& bytes) {
  ByteCursor in{std::span(bytes).subspan(kSecureIdOffset)};
  return in.U32();
}

}  // namespace

PolicyMeaning DecodePolicy(const StoredPolicy& policy) {
  const auto& bytes = policy.bytes;
  PolicyMeaning meaning{"unknown", {}, {}};
  if (bytes.size() != kPolicySize)
    return meaning;
  switch (static_cast<PolicyType>(bytes[0])) {
    case PolicyType::Fail:
      meaning.kind = "fail";
      break;
    case PolicyType::Pass:
      meaning.kind = "pass";
      break;
    case PolicyType::ThreeCaps:
      meaning.kind = "capabilities";
      AddCapabilities(bytes, 1, kSecureIdOffset, meaning);
      break;
    case PolicyType::SevenCaps:
      meaning.kind = "capabilities";
      AddCapabilities(bytes, 1, kPolicySize, meaning);
      break;
    case PolicyType::Sid:
    case PolicyType::Vid:
      meaning.kind = static_cast<PolicyType>(bytes[0]) == PolicyType::Sid ? "sid" : "vid";
      meaning.secureId = SecureId(bytes);
      AddCapabilities(bytes, 1, kSecureIdOffset, meaning);
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
  if (meaning.secureId)
    text += " " + HexWord(*meaning.secureId);
  for (size_t i = 0; i < meaning.capabilities.size(); ++i)
    text += (i == 0 ? (meaning.secureId ? " with " : " ") : ", ") + meaning.capabilities[i];
  if (meaning.kind == "capabilities" && meaning.capabilities.empty())
    text += " (none)";
  return text;
}

std::optional<std::string> WriteRequirement(const StoredPolicy& policy) {
  const PolicyMeaning meaning = DecodePolicy(policy);
  if (meaning.kind == "pass" || (meaning.kind == "capabilities" && meaning.capabilities.empty()))
    return std::nullopt;
  if (meaning.kind == "fail")
    return "writing is always refused";
  if (meaning.kind == "unknown")
    return "writing is under a policy of unknown kind, bytes " + HexBytes(policy.bytes);
  return "writing needs " + PolicyText(policy);
}

}  // namespace pw
