// Reads a binary repository file back into items, in two steps.
#pragma once

#include <filesystem>
#include <vector>

#include "model/repo_item.h"
#include "repository/repo_item_sink.h"

namespace pw {

// Open reads and checks the whole file, so a damaged file is refused before the caller
// clears anything; ReadSettings then hands over the items. Items completed before a fault
// are not kept: a file is taken whole or not at all.
class RepositoryReader {
 public:
  // Raises FileOpenError when the file cannot be opened, RepositoryFileError (naming the
  // offset) when it does not hold what a repository file holds, StreamReadError when it
  // shrinks while read. The file is closed again before Open returns.
  void Open(const std::filesystem::path& path);

  // Hands every item of the last opened file to sink, in file order, once.
  void ReadSettings(RepoItemSink& sink);

 private:
  std::vector<TRepo> items_;
};

}  // namespace pw
