// ExtractFiles when entries fail: the decision and its answers, methods, sizes, checksums,
// passwords (AES entries included), names that try to leave the folder or that Windows reads as
// devices, a full disk and an inflate bomb.
#include <gtest/gtest.h>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/byte_cursor.h"
#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_prompts.h"
#include "tests/support/scratch_folder.h"
#include "zip_builder.h"

namespace pw::test {
namespace {

using Answers = std::deque<PromptButton>;

const std::string kFailureTail = ". File processing error, possibly disk is full";

class PasswordPrompts : public ScriptedPrompts {
 public:
  using ScriptedPrompts::ScriptedPrompts;
  std::optional<std::string> AskPassword(const std::string& entry, const std::string&) override {
    passwordsAsked.push_back(entry);
    return std::nullopt;
  }
  std::vector<std::string> passwordsAsked;
};

class ExtractionTest : public ScratchFolderTest {
 protected:
  // Extracts every top-level entry of an archive of these entries into dir_/out.
  void Extract(const std::vector<BuiltEntry>& entries, UserPrompts* prompts, bool recurse = false) {
    const auto path = dir_ / "a.zip";
    WriteFile(path, BuildArchive(entries));
    const auto archiver = MakePackageArchiver(prompts);
    archiver->Options.Recurse = recurse;
    archiver->FileName = path;
    archiver->OpenArchive();
    out_ = dir_ / "out";
    std::filesystem::create_directories(out_);
    archiver->BaseDir = out_;
    archiver->ExtractFiles(u"*", zf::kDefaultSearchAttr, u"");
  }
  std::vector<std::string> OutNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(out_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  static BuiltEntry WrongSize() {
    BuiltEntry entry = TrueEntry("bad.txt", "twelve bytes");
    entry.uncompressedSize = 11;
    return entry;
  }
  std::filesystem::path out_;
};

TEST_F(ExtractionTest, AnswersToAFailedEntry) {
  const std::string badSize =
      "PackageArchiver: Invalid size or check sum of file or unsupported compression format - "
      "Native error: "
      "00008" +
      kFailureTail;
  const struct {
    Answers answers;
    size_t questions;
    std::vector<std::string> left;
  } cases[] = {
      {{PromptButton::Abort}, 1, {}},
      {{PromptButton::Ignore}, 1, {"good.txt"}},
      {{PromptButton::Retry, PromptButton::Ignore}, 2, {"good.txt"}},
  };
  for (const auto& c : cases) {
    ScriptedPrompts prompts(c.answers);
    Extract({WrongSize(), TrueEntry("good.txt", "fine")}, &prompts);
    ASSERT_EQ(prompts.asked.size(), c.questions);
    EXPECT_EQ(prompts.asked[0].text, badSize);
    EXPECT_EQ(prompts.asked[0].buttons,
              (std::vector{PromptButton::Abort, PromptButton::Retry, PromptButton::Ignore}));
    EXPECT_EQ(OutNames(), c.left);
    std::filesystem::remove_all(out_);
  }
}

TEST_F(ExtractionTest, EntriesThatCannotGiveTheirDataFail) {
  BuiltEntry deflate64 = TrueEntry("d64.bin", "x");
  deflate64.method = 9;
  BuiltEntry method12 = TrueEntry("bz.bin", "x");
  method12.method = 12;
  BuiltEntry badCrc = TrueEntry("crc.txt", "checked data");
  badCrc.crc32 ^= 1;
  BuiltEntry bomb = TrueEntry("bomb.bin", std::string(64 << 20, '\0'), 8);
  bomb.uncompressedSize = 1000;
  BuiltEntry shortStream = TrueEntry("short.bin", std::string(5000, 'q'), 8);
  shortStream.data.resize(shortStream.data.size() / 2);
  const struct {
    BuiltEntry entry;
    std::string message;
  } cases[] = {
      {deflate64, "Deflate64 compression method is not supported - Native error: 00055"},
      {method12,
       "PackageArchiver: Invalid size or check sum of file or unsupported compression format - "
       "Native error: 00008"},
      {badCrc,
       "PackageArchiver: Invalid size or check sum of file or unsupported compression format - "
       "Native error: 00008"},
      {bomb,
       "PackageArchiver: Invalid size or check sum of file or unsupported compression format - "
       "Native error: 00008"},
      {shortStream,
       "PackageArchiver: Invalid size or check sum of file or unsupported compression format - "
       "Native error: 00008"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry.name);
    ScriptedPrompts prompts({PromptButton::Ignore});
    Extract({c.entry, TrueEntry("next.txt", "n")}, &prompts);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, c.message + kFailureTail);
    EXPECT_EQ(OutNames(), std::vector<std::string>{"next.txt"});
    std::filesystem::remove_all(out_);
  }
}

TEST_F(ExtractionTest, DeflatedAndEmptyEntriesAndReadOnlyFilesInTheWay) {
  std::filesystem::create_directories(dir_ / "out");
  WriteFile(dir_ / "out" / "text.txt", "old");
  std::filesystem::permissions(dir_ / "out" / "text.txt", std::filesystem::perms::owner_read);
  ScriptedPrompts prompts;
  const std::string text(300000, 'z');
  Extract({TrueEntry("text.txt", text, 8), TrueEntry("empty.txt", "")}, &prompts);
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(ReadFile(out_ / "text.txt"), text);
  EXPECT_EQ(ReadFile(out_ / "empty.txt"), "");
}

TEST_F(ExtractionTest, CancelledPasswordSkipsTheEntrySilently) {
  BuiltEntry secret = TrueEntry("secret.txt", "hidden");
  secret.flags = 1;
  PasswordPrompts prompts;
  Extract({secret, TrueEntry("open.txt", "o")}, &prompts);
  EXPECT_EQ(prompts.passwordsAsked, std::vector<std::string>{"secret.txt"});
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(OutNames(), std::vector<std::string>{"open.txt"});
}

// An AES extra field (0x9901): version 2, vendor "AE", strength 3, then the method the data
// really use, which stands in for the method 99 of the headers.
std::string AesField(uint16_t actualMethod) {
  std::string field(
      "\x01\x99\x07\x00\x02\x00"
      "AE\x03",
      9);
  ByteWriter method;
  method.U16(actualMethod);
  return field + std::string(method.Chars());
}

TEST_F(ExtractionTest, AesEntriesAreDecidedByTheMethodTheirFieldGives) {
  const std::string badMethod =
      "PackageArchiver: Invalid size or check sum of file or unsupported compression format - "
      "Native error: "
      "00008";
  const struct {
    uint16_t actualMethod;
    bool passwordAsked;
    std::string failure;  // empty: no failure dialog
  } cases[] = {
      {0, true, ""},
      {8, true, ""},
      {9, false, "Deflate64 compression method is not supported - Native error: 00055"},
      {12, false, badMethod},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.actualMethod);
    BuiltEntry aes = TrueEntry("aes.txt", "sealed");
    aes.method = 99;
    aes.flags = 1;
    aes.extra = AesField(c.actualMethod);
    PasswordPrompts prompts({PromptButton::Ignore});
    Extract({aes, TrueEntry("next.txt", "n")}, &prompts);
    EXPECT_EQ(prompts.passwordsAsked,
              c.passwordAsked ? std::vector<std::string>{"aes.txt"} : std::vector<std::string>{});
    if (c.failure.empty()) {
      EXPECT_TRUE(prompts.asked.empty());
    } else {
      ASSERT_EQ(prompts.asked.size(), 1u);
      EXPECT_EQ(prompts.asked[0].text, c.failure + kFailureTail);
    }
    EXPECT_EQ(OutNames(), std::vector<std::string>{"next.txt"});
    std::filesystem::remove_all(out_);
  }
}

TEST_F(ExtractionTest, FolderInTheWayAndFullDisk) {
  ScriptedPrompts blocked({PromptButton::Ignore});
  std::filesystem::create_directories(dir_ / "out" / "a.txt" / "inside");
  Extract({TrueEntry("a.txt", "a")}, &blocked);
  ASSERT_EQ(blocked.asked.size(), 1u);
  EXPECT_EQ(blocked.asked[0].text, "PackageArchiver: Cannot create file \"" +
                                       (out_ / "a.txt").string() + "\" - Native error: 00019" +
                                       kFailureTail);
  std::filesystem::remove_all(out_);

  ScriptedPrompts full({PromptButton::Ignore});
  faults::ScopedFaults disk({.pathPart = "big.bin", .sizeLimit = 70000});
  Extract({TrueEntry("big.bin", std::string(200000, 'b'))}, &full);
  ASSERT_EQ(full.asked.size(), 1u);
  EXPECT_EQ(
      full.asked[0].text,
      "Disk is full. There is not enough free space on disk. - Native error: 00065" + kFailureTail);
  EXPECT_TRUE(OutNames().empty());
}

TEST_F(ExtractionTest, NamesNeverLeaveTheTargetFolder) {
  const struct {
    const char* name;
    const char* written;  // nullptr: nothing is written
  } cases[] = {
      {"../up.txt", "up.txt"},
      {"/etc/abs.txt", "abs.txt"},
      {"C:\\drive.txt", "drive.txt"},
      {"a\\\\b\\\\runs.txt", "runs.txt"},
      {"\\\\server\\share\\unc.txt", "unc.txt"},
      {"x:colon.txt", "colon.txt"},
      {"dir/..", nullptr},
      {"..", nullptr},
      {".", nullptr},
      {"ends\\", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPrompts prompts;
    Extract({TrueEntry(c.name, "data")}, &prompts, true);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(OutNames(),
              c.written ? std::vector<std::string>{c.written} : std::vector<std::string>{});
    std::vector<std::string> beside;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
      beside.push_back(entry.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"a.zip", "out"}));
    std::filesystem::remove_all(out_);
  }
}

// Windows reads these names as devices in any folder, so the data would go to the device;
// elsewhere they are ordinary files.
TEST_F(ExtractionTest, DeviceNamesOfWindows) {
  const struct {
    const char* name;
    const char* part;  // the output name
  } cases[] = {
      {"NUL", "NUL"},           {"con.txt", "con.txt"},     {"dir/AUX", "AUX"},
      {"Com1.qvx", "Com1.qvx"}, {"lpt9 .log", "lpt9 .log"}, {"x\\PRN", "PRN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPrompts prompts({PromptButton::Ignore});
    Extract({TrueEntry(c.name, "data"), TrueEntry("next.txt", "n")}, &prompts, true);
#ifdef _WIN32
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "PackageArchiver: Cannot create file \"" +
                                         PathText(out_ / c.part) +
                                         "\": Windows keeps that name for a device - Native "
                                         "error: 00068");
    EXPECT_EQ(prompts.asked[0].buttons, (std::vector{PromptButton::Abort, PromptButton::Ignore}));
    EXPECT_EQ(OutNames(), std::vector<std::string>{"next.txt"});
#else
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(OutNames(), (std::vector<std::string>{c.part, "next.txt"}));
    EXPECT_EQ(ReadFile(out_ / c.part), "data");
#endif
    std::filesystem::remove_all(out_);
  }
}

}  // namespace
}  // namespace pw::test
