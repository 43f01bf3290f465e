// Errors of the plugin files that the platform layer has no kind for.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/errors.h"

namespace pw {

class ByteRangeError;

// Bytes that do not hold what their layout promises: "<problem> (offset <n>)".
class DataError : public Error {
 public:
  DataError(uint64_t offset, const std::string& problem);
  uint64_t Offset() const { return offset_; }

 private:
  uint64_t offset_;
};

// The cursor's bounds error in the words of the repository files: "the file ends inside the
// <n> bytes expected here (offset <n>)".
DataError ShortFileError(const ByteRangeError& error);

// A repository file we cannot read: "Damaged repository file "<path>": <data error>".
class RepositoryFileError : public Error {
 public:
  RepositoryFileError(const std::filesystem::path& path, const DataError& cause);
  uint64_t Offset() const { return offset_; }

 private:
  uint64_t offset_;
};

// A plugin that cannot be saved faithfully; raised before any file is touched.
class SaveRefusedError : public Error {
 public:
  using Error::Error;
};

}  // namespace pw
