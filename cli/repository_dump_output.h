// `dump` output: a readable listing or JSON of everything a repository file holds.
#pragma once

#include <string>

#include "repository/repository_dump.h"

namespace pw {

std::string RepositoryDumpText(const RepositoryDump& dump);
std::string RepositoryDumpJson(const RepositoryDump& dump);

}  // namespace pw
