// Message texts of the plugin-file errors.
#include "repository/repository_errors.h"

#include "platform/byte_cursor.h"

namespace pw {

DataError::DataError(uint64_t offset, const std::string& problem)
    : Error(problem + " (offset " + std::to_string(offset) + ")"), offset_(offset) {}

DataError ShortFileError(const ByteRangeError& error) {
  return DataError(error.Offset(), "the file ends inside the " + std::to_string(error.Count()) +
                                       " bytes expected here");
}

RepositoryFileError::RepositoryFileError(const std::filesystem::path& path, const DataError& cause)
    : Error("Damaged repository file \"" + PathText(path) + "\": " + cause.what()),
      offset_(cause.Offset()) {}

}  // namespace pw
