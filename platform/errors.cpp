// Message texts of the core's error types.
#include "platform/errors.h"

#include <cstring>

#include "platform/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pw {

ConversionError::ConversionError(const std::string& text)
    : Error("''" + text + "'' is not a valid integer value") {}

ListIndexError::ListIndexError(long long index)
    : Error("List index out of bounds (" + std::to_string(index) + ")") {}

FileCreateError::FileCreateError(const std::filesystem::path& path, const std::string& reason)
    : Error("Cannot create file \"" + PathText(path) + "\". " + reason) {}

FileOpenError::FileOpenError(const std::filesystem::path& path, const std::string& reason)
    : Error("Cannot open file \"" + PathText(path) + "\". " + reason) {}

std::string PathText(const std::filesystem::path& path) {
  return PathToUtf8(path);
}

std::string SystemReason(int code) {
#ifdef _WIN32
  char buffer[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 static_cast<DWORD>(code), 0, buffer, sizeof buffer, nullptr);
  std::string reason(buffer);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r'))
    reason.pop_back();
  return reason;
#else
  return std::strerror(code);
#endif
}

}  // namespace pw
