// Which of a repository file's security policies governs a setting.
#pragma once

#include <cstdint>

#include "repository/repository_dump.h"

namespace pw {

// The write policy of key: the first single policy that covers it, else the first range
// policy, else the file's default. A policy with a mask covers the keys that agree with its
// key in the masked bits; one without covers its key and, for a range, every key up to its
// high key.
const StoredPolicy& WritePolicyOf(const RepositoryDump& dump, uint32_t key);

}  // namespace pw
