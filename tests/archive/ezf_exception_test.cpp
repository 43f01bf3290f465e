// Messages of EZFException: text, arguments, the component's name where it belongs, the
// native number in five digits.
#include "archive/ezf_exception.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace pw
