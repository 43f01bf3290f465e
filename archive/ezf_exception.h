// The archive component's error: a native number for the place of failure, a message number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"

namespace pw {

// The message is the text of ErrorCode formatted with the arguments ("%s" and "%d" in order),
// preceded by the component's name and ": " when the native error carries it and the name
// is not empty, followed by " - Native error: " and the native number in five digits.
class EZFException : public Error {
 public:
  // componentName is the raising component's Name in UTF-8 (empty when raised without one);
  // args fill the placeholders in order, numbers already in decimal.
  explicit EZFException(int nativeError, std::string_view componentName = {},
                        const std::vector<std::string>& args = {});

  int NativeError;
  int ErrorCode;
};

// What the one native-to-message table holds for a native error; errorCode -1 and an empty
// text for a number the table does not hold.
struct ZFNativeErrorInfo {
  int errorCode;     // message number
  const char* text;  // message text with placeholders
  bool withName;     // the component's name goes in front
};
const ZFNativeErrorInfo& NativeErrorInfo(int nativeError);

// Native errors raised by the component, named after where they happen.
namespace zf_native {
inline constexpr int kInvalidCompressionMode = 5;
inline constexpr int kBadSizeOrChecksum = 8;
inline constexpr int kBlankNameOpen = 9;
inline constexpr int kBlankNameOpenMode = 10;
inline constexpr int kArchiveNotFound = 12;
inline constexpr int kArchiveNotOpen = 13;
inline constexpr int kCannotCreateOutput = 19;
inline constexpr int kUpdateNotEnded = 26;
inline constexpr int kReadOnlyArchive = 32;
inline constexpr int kCannotOpenSource = 33;
inline constexpr int kSourceSizeMismatch = 34;
inline constexpr int kInvalidArchive = 35;
inline constexpr int kNoZip64DirEnd = 40;
inline constexpr int kZip64Needed = 43;
inline constexpr int kCentralDirWrite = 46;
inline constexpr int kDeflate64 = 55;
inline constexpr int kHashedNamesInvalid = 59;
inline constexpr int kFileNameTooLong = 61;
inline constexpr int kDiskFull = 65;
// Beyond the numbers 0 to 67 of the legacy table: an output name that Windows reads as a device.
inline constexpr int kDeviceName = 68;

// Every native error above; each has its entry in the message table.
inline constexpr int kAll[] = {
    kInvalidCompressionMode, kBadSizeOrChecksum, kBlankNameOpen,      kBlankNameOpenMode,
    kArchiveNotFound,        kArchiveNotOpen,    kCannotCreateOutput, kUpdateNotEnded,
    kReadOnlyArchive,        kCannotOpenSource,  kSourceSizeMismatch, kInvalidArchive,
    kNoZip64DirEnd,          kZip64Needed,       kCentralDirWrite,    kDeflate64,
    kHashedNamesInvalid,     kFileNameTooLong,   kDiskFull,           kDeviceName};
}  // namespace zf_native

}  // namespace pw
