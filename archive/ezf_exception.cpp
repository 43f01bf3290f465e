// The native-to-message table of the archive component and the message built from it.
#include "archive/ezf_exception.h"

#include <cstdio>
#include <map>

namespace pw {
namespace {

// Every native error the component raises, with its message number and text.
const std::map<int, ZFNativeErrorInfo>& Table() {
  using namespace zf_native;
  static const std::map<int, ZFNativeErrorInfo> table = {
      {kInvalidCompressionMode, {2, "Invalid compression mode. Mode must be in [0-9] range", true}},
      {kBadSizeOrChecksum,
       {4, "Invalid size or check sum of file or unsupported compression format", true}},
      {kBlankNameOpen, {5, "File name is blank. Specify appropriate file name", true}},
      {kBlankNameOpenMode, {5, "File name is blank. Specify appropriate file name", true}},
      {kArchiveNotFound, {6, "File \"%s\" not found", true}},
      {kArchiveNotOpen, {7, "Archive is not open", true}},
      {kCannotCreateOutput, {9, "Cannot create file \"%s\"", true}},
      {kUpdateNotEnded,
       {13, "Cannot proceed when update is not ended. Preceding EndUpdate call is required.",
        true}},
      {kReadOnlyArchive, {15, "File is open in read-only mode", true}},
      {kCannotOpenSource, {16, "Cannot open file \"%s\"", true}},
      {kSourceSizeMismatch, {17, "Invalid compressed size, rfs.size = %d, count = %d", false}},
      {kInvalidArchive, {18, "Invalid archive file.", false}},
      {kNoZip64DirEnd, {22, "Cannot find 64-bit directory end record", false}},
      {kZip64Needed, {25, "Cannot compress file '%s'. Zip64 mode is not enabled", true}},
      {kCentralDirWrite, {27, "Write to stream error", false}},
      {kDeflate64, {32, "Deflate64 compression method is not supported", false}},
      {kHashedNamesInvalid, {34, "Hashed list of file names is invalid", false}},
      {kFileNameTooLong, {36, "File name is too long: \r\n\"%s\"", true}},
      {kDiskFull, {39, "Disk is full. There is not enough free space on disk.", false}},
      {kDeviceName, {41, "Cannot create file \"%s\": Windows keeps that name for a device", true}},
  };
  return table;
}

// Fills "%s" and "%d" in order; a placeholder without an argument stays as written.
std::string Format(std::string_view text, const std::vector<std::string>& args) {
  std::string out;
  size_t next = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool placeholder =
        text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd');
    if (placeholder && next < args.size()) {
      out += args[next++];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string BuildMessage(int nativeError, std::string_view componentName,
                         const std::vector<std::string>& args) {
  const ZFNativeErrorInfo& info = NativeErrorInfo(nativeError);
  std::string message = Format(info.text, args);
  if (info.withName && !componentName.empty())
    message = std::string(componentName) + ": " + message;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", nativeError);
  return message + " - Native error: " + digits;
}

}  // namespace

const ZFNativeErrorInfo& NativeErrorInfo(int nativeError) {
  static const ZFNativeErrorInfo unknown = {-1, "", false};
  const auto found = Table().find(nativeError);
  return found == Table().end() ? unknown : found->second;
}

EZFException::EZFException(int nativeError, std::string_view componentName,
                           const std::vector<std::string>& args)
    : Error(BuildMessage(nativeError, componentName, args)),
      NativeError(nativeError),
      ErrorCode(NativeErrorInfo(nativeError).errorCode) {}

}  // namespace pw
