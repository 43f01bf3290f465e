// What would go wrong with a plugin's items on a phone whose repository files are given.
#pragma once

#include <vector>

#include "model/repo_items.h"
#include "repository/plugin_check.h"
#include "repository/repository_dump.h"

namespace pw {

// Item by item: a setting the phone lacks or holds as another type (errors); a current value
// outside the item's bounds or offered by none of its selection entries, a setting whose
// writing needs more than nothing (warnings). An item of a repository not among the files is
// reported once, as not checked; an item whose UID or key does not convert is left to
// CheckPluginItems. repositories holds at most one file per repository UID.
std::vector<Finding> CheckAgainstRepositories(const RepoItems& items,
                                              const std::vector<RepositoryDump>& repositories);

}  // namespace pw
