// Messages of EZFException: text, arguments, the component's name where it belongs, the
// native number in five digits.
#include "archive/ezf_exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace pw {
namespace {

TEST(EZFExceptionMessage, BuiltFromTheTable) {
  struct Case {
    int native;
    std::string name;
    std::vector<std::string> args;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {10,
       "X",
       {},
       5,
       "X: File name is blank. Specify appropriate file name - Native error: 00010"},
      {10, "", {}, 5, "File name is blank. Specify appropriate file name - Native error: 00010"},
      {12, "X", {"C:\\a.qvx"}, 6, "X: File \"C:\\a.qvx\" not found - Native error: 00012"},
      {35, "X", {}, 18, "Invalid archive file. - Native error: 00035"},
      {34,
       "X",
       {"100", "7"},
       17,
       "Invalid compressed size, rfs.size = 100, count = 7 - Native error: 00034"},
      {43,
       "X",
       {"/a b"},
       25,
       "X: Cannot compress file '/a b'. Zip64 mode is not enabled - Native error: 00043"},
      {65,
       "X",
       {},
       39,
       "Disk is full. There is not enough free space on disk. - Native error: 00065"},
      {26,
       "X",
       {},
       13,
       "X: Cannot proceed when update is not ended. Preceding EndUpdate call is required. - "
       "Native error: 00026"},
  };
  for (const Case& c : cases) {
    const EZFException error(c.native, c.name, c.args);
    EXPECT_EQ(error.NativeError, c.native);
    EXPECT_EQ(error.ErrorCode, c.code) << c.native;
    EXPECT_EQ(error.what(), c.message);
  }
}

// Each named native error has its entry: message number, text, and whether the component's
// name goes in front; and no constant is left out of this list.
TEST(EZFExceptionMessage, EveryNamedNativeErrorHasItsEntry) {
  using namespace zf_native;
  struct Row {
    int native;
    int code;
    bool withName;
    const char* text;
  };
  const Row rows[] = {
      {kInvalidCompressionMode, 2, true, "Invalid compression mode. Mode must be in [0-9] range"},
      {kBadSizeOrChecksum, 4, true,
       "Invalid size or check sum of file or unsupported compression format"},
      {kBlankNameOpen, 5, true, "File name is blank. Specify appropriate file name"},
      {kBlankNameOpenMode, 5, true, "File name is blank. Specify appropriate file name"},
      {kArchiveNotFound, 6, true, "File \"%s\" not found"},
      {kArchiveNotOpen, 7, true, "Archive is not open"},
      {kCannotCreateOutput, 9, true, "Cannot create file \"%s\""},
      {kUpdateNotEnded, 13, true,
       "Cannot proceed when update is not ended. Preceding EndUpdate call is required."},
      {kReadOnlyArchive, 15, true, "File is open in read-only mode"},
      {kCannotOpenSource, 16, true, "Cannot open file \"%s\""},
      {kSourceSizeMismatch, 17, false, "Invalid compressed size, rfs.size = %d, count = %d"},
      {kInvalidArchive, 18, false, "Invalid archive file."},
      {kNoZip64DirEnd, 22, false, "Cannot find 64-bit directory end record"},
      {kZip64Needed, 25, true, "Cannot compress file '%s'. Zip64 mode is not enabled"},
      {kCentralDirWrite, 27, false, "Write to stream error"},
      {kDeflate64, 32, false, "Deflate64 compression method is not supported"},
      {kHashedNamesInvalid, 34, false, "Hashed list of file names is invalid"},
      {kFileNameTooLong, 36, true, "File name is too long: \r\n\"%s\""},
      {kDiskFull, 39, false, "Disk is full. There is not enough free space on disk."},
      {kDeviceName, 41, true, "Cannot create file \"%s\": Windows keeps that name for a device"},
  };
  std::vector<int> listed;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.native);
    const ZFNativeErrorInfo& info = NativeErrorInfo(row.native);
    EXPECT_EQ(info.errorCode, row.code);
    EXPECT_EQ(info.withName, row.withName);
    EXPECT_STREQ(info.text, row.text);
    listed.push_back(row.native);
  }
  EXPECT_TRUE(std::is_permutation(listed.begin(), listed.end(), std::begin(kAll), std::end(kAll)));
  EXPECT_EQ(NativeErrorInfo(45).errorCode, -1);
}

}  // namespace
}  // namespace pw
