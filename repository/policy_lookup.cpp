// The search for a setting's policy: its own, then a range's, then the file's default.
#include "repository/policy_lookup.h"

#include <algorithm>

namespace pw {
namespace {

bool PolicyCovers(const KeyedPolicy& policy, uint32_t key) {
  if (policy.keyMask != 0)
    return (key & policy.keyMask) == (policy.key & policy.keyMask);
  return key == policy.key || (policy.key <= key && key <= policy.highKey);
}

}  // namespace

const StoredPolicy& WritePolicyOf(const RepositoryDump& dump, uint32_t key) {
  for (const auto* list : {&dump.singlePolicies, &dump.rangePolicies}) {
    const auto found = std::find_if(list->begin(), list->end(),
                                    [key](const KeyedPolicy& p) { return PolicyCovers(p, key); });
    if (found != list->end())
      return found->write;
  }
  return dump.defaultWrite;
}

}  // namespace pw
