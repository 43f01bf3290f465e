// The error types every layer raises; messages are UTF-8 and are the texts users see.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pw {

// Base of every error the core raises; what() is the message shown to the user.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A number text that does not convert: "''%s'' is not a valid integer value".
class ConversionError : public Error {
 public:
  explicit ConversionError(const std::string& text);
};

// A line asked of a list that does not hold it: "List index out of bounds (%d)".
class ListIndexError : public Error {
 public:
  explicit ListIndexError(long long index);
};

// "Cannot create file "<path>". <reason>"
class FileCreateError : public Error {
 public:
  FileCreateError(const std::filesystem::path& path, const std::string& reason);
};

// "Cannot open file "<path>". <reason>"
class FileOpenError : public Error {
 public:
  FileOpenError(const std::filesystem::path& path, const std::string& reason);
};

// A read that cannot get the bytes it needs: "Stream read error".
class StreamReadError : public Error {
 public:
  StreamReadError() : Error("Stream read error") {}
};

// A write that cannot put all its bytes: "Stream write error".
class StreamWriteError : public Error {
 public:
  StreamWriteError() : Error("Stream write error") {}
};

// The path as a user reads it, in UTF-8.
std::string PathText(const std::filesystem::path& path);

// The system's reason text for an errno value (or a Win32 error code on Windows).
std::string SystemReason(int code);

}  // namespace pw
