// One entry failing while it is written: the failure decision, what Retry, Ignore and Abort
// leave in the archive, and the rollback of a commit that cannot be finished.
#include <gtest/gtest.h>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "platform/file_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_prompts.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/zip_peer.h"

namespace pw::test {
namespace {

using Answers = std::deque<PromptButton>;

constexpr size_t kSecondSize = 10000;

class FailureTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    package_ = dir_ / "p.qvx";
    first_ = dir_ / "first.txt";
    second_ = dir_ / "second.txt";
    WriteFile(first_, "the first entry");
    WriteFile(second_, std::string(kSecondSize, 's'));
  }
  // Opens the archive (after any faults on it are planned) and commits the first entry.
  void Start(TZFBaseArchiver& archiver) {
    archiver.FileName = package_;
    archiver.OpenArchive(file_mode::kCreate);
    archiver.AddFiles(first_);
    before_ = ReadFile(package_);
  }
  std::string FailureText(const std::string& message) const {
    return message + ". File processing error, possibly disk is full";
  }
  std::filesystem::path package_, first_, second_;
  std::string before_;
};

const std::vector<PromptButton> kAbortRetryIgnore = {PromptButton::Abort, PromptButton::Retry,
                                                     PromptButton::Ignore};

struct SourceFault {
  const char* label;
  faults::FaultPlan plan;  // pathPart is filled with the second source's path
  std::string message;     // %s: the source path
};

std::vector<SourceFault> SourceFaults() {
  return {
      {"cannot open",
       {.pathPart = "", .failOpen = true},
       "PackageArchiver: Cannot open file \"%s\" - Native error: 00033"},
      {"shrinks",
       {.pathPart = "", .readLimit = 10},
       "Invalid compressed size, rfs.size = 10000, count = 10 - Native error: 00034"},
  };
}

std::string WithPath(std::string text, const std::filesystem::path& path) {
  const size_t at = text.find("%s");
  if (at != std::string::npos)
    text.replace(at, 2, PathText(path));
  return text;
}

TEST_F(FailureTest, AbortLeavesTheArchiveAsItWas) {
  for (const SourceFault& fault : SourceFaults()) {
    SCOPED_TRACE(fault.label);
    ScriptedPrompts prompts({PromptButton::Abort});
    const auto archiver = MakePackageArchiver(&prompts);
    Start(*archiver);
    faults::FaultPlan plan = fault.plan;
    plan.pathPart = PathText(second_);
    faults::ScopedFaults scoped(plan);
    archiver->AddFiles(second_);
    EXPECT_EQ(ReadFile(package_), before_);
    EXPECT_EQ(archiver->DMHandle()->CDir.Count(), 1u);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, FailureText(WithPath(fault.message, second_)));
    EXPECT_EQ(prompts.asked[0].buttons, kAbortRetryIgnore);
    archiver->CloseArchive();
    EXPECT_EQ(ReadFile(package_), before_);
  }
}

// The first AddFiles of a new archive has no previous archive to put back, yet the file must
// still be a valid archive after an Abort, as after every commit: the 22-byte empty one.
TEST_F(FailureTest, AbortOnTheFirstEntryOfANewArchiveLeavesTheEmptyArchive) {
  const std::string emptyArchive = std::string("PK\x05\x06", 4) + std::string(18, '\0');
  for (const SourceFault& fault : SourceFaults()) {
    SCOPED_TRACE(fault.label);
    ScriptedPrompts prompts({PromptButton::Abort});
    const auto archiver = MakePackageArchiver(&prompts);
    archiver->FileName = package_;
    archiver->OpenArchive(file_mode::kCreate);
    faults::FaultPlan plan = fault.plan;
    plan.pathPart = PathText(first_);
    faults::ScopedFaults scoped(plan);
    archiver->AddFiles(first_);
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(ReadFile(package_), emptyArchive);
    EXPECT_EQ(PeerCheck(package_, {}), "OK");
    EXPECT_EQ(archiver->DMHandle()->CDir.Count(), 0u);
    archiver->CloseArchive();
    EXPECT_EQ(ReadFile(package_), emptyArchive);
  }
}

TEST_F(FailureTest, IgnoreLeavesTheEntryOutAndRetryWritesItAgain) {
  struct Case {
    PromptButton answer;
    int times;  // opens the fault applies to
    bool secondStored;
  };
  const Case cases[] = {{PromptButton::Ignore, -1, false}, {PromptButton::Retry, 1, true}};
  for (const SourceFault& fault : SourceFaults()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << fault.label << " answer " << static_cast<int>(c.answer));
      ScriptedPrompts prompts({c.answer});
      const auto archiver = MakePackageArchiver(&prompts);
      Start(*archiver);
      faults::FaultPlan plan = fault.plan;
      plan.pathPart = PathText(second_);
      plan.times = c.times;
      faults::ScopedFaults scoped(plan);
      archiver->AddFiles(second_);
      archiver->CloseArchive();
      EXPECT_EQ(prompts.asked.size(), 1u);
      if (c.secondStored)
        EXPECT_EQ(PeerCheck(package_, {{"first.txt", first_}, {"second.txt", second_}}), "OK");
      else
        EXPECT_EQ(PeerCheck(package_, {{"first.txt", first_}}), "OK");
    }
  }
}

TEST_F(FailureTest, FullDiskWhileStoringAsksAndRestores) {
  // The disk holds what the first commit needs and part of the second source.
  faults::ScopedFaults scoped({.pathPart = PathText(package_), .sizeLimit = 4000});
  const std::string diskFull =
      FailureText("Disk is full. There is not enough free space on disk. - Native error: 00065");
  {
    ScriptedPrompts prompts({PromptButton::Abort});
    const auto archiver = MakePackageArchiver(&prompts);
    Start(*archiver);
    archiver->AddFiles(second_);
    EXPECT_EQ(ReadFile(package_), before_);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, diskFull);
  }
  {
    // Retrying on a disk that is still full fails at the entry's header, which ends the
    // commit: the archive is restored and the stream error passes on.
    ScriptedPrompts prompts({PromptButton::Retry});
    const auto archiver = MakePackageArchiver(&prompts);
    Start(*archiver);
    EXPECT_THROW(archiver->AddFiles(second_), StreamWriteError);
    EXPECT_EQ(ReadFile(package_), before_);
    EXPECT_EQ(prompts.asked.size(), 1u);
    archiver->CloseArchive();
  }
  EXPECT_EQ(PeerCheck(package_, {{"first.txt", first_}}), "OK");
}

TEST_F(FailureTest, FailedCentralDirectoryWriteRollsBackAndPassesOn) {
  // Room for the second entry's header, name, field and data, but not for its directory.
  const size_t directoryAt = 30 + 9 + 30 + 15;
  const size_t secondEntry = 30 + 10 + 32 + kSecondSize;
  faults::ScopedFaults scoped({.pathPart = PathText(package_),
                               .sizeLimit = static_cast<int64_t>(directoryAt + secondEntry + 10)});
  ScriptedPrompts prompts;
  const auto archiver = MakePackageArchiver(&prompts);
  Start(*archiver);
  try {
    archiver->AddFiles(second_);
    FAIL();
  } catch (const EZFException& error) {
    EXPECT_EQ(error.NativeError, 46);
    EXPECT_STREQ(error.what(), "Write to stream error - Native error: 00046");
  }
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_FALSE(archiver->InUpdate());
  EXPECT_EQ(ReadFile(package_), before_);
  EXPECT_EQ(archiver->DMHandle()->CDir.Count(), 1u);
  archiver->CloseArchive();
  EXPECT_EQ(ReadFile(package_), before_);
}

TEST_F(FailureTest, FailedReplacementKeepsTheOldEntryOrTheWholeArchive) {
  const auto third = dir_ / "third.txt";
  WriteFile(third, "third");
  for (const PromptButton answer : {PromptButton::Ignore, PromptButton::Abort}) {
    ScriptedPrompts prompts({answer});
    const auto archiver = MakePackageArchiver(&prompts);
    Start(*archiver);
    archiver->AddFiles(third);
    const std::string withThird = ReadFile(package_);
    const std::string firstBytes = ReadFile(first_);
    WriteFile(first_, "a replacement that cannot be read");
    faults::ScopedFaults scoped({.pathPart = PathText(first_), .failOpen = true});
    archiver->AddFiles(first_);
    archiver->CloseArchive();
    EXPECT_EQ(ReadFile(package_), withThird);
    WriteFile(first_, firstBytes);
    EXPECT_EQ(PeerCheck(package_, {{"first.txt", first_}, {"third.txt", third}}), "OK");
    // The question names the entry being replaced.
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_NE(prompts.asked[0].text.find("first.txt"), std::string::npos);
  }
}

TEST_F(FailureTest, TooLongSourcePathAsksAbortOrIgnore) {
  std::filesystem::path folder = dir_;
  while (PathText(folder).size() < 260)
    folder /= std::string(50, 'd');
  std::filesystem::create_directories(folder);
  const auto source = folder / "long.txt";
  WriteFile(source, "x");
  ScriptedPrompts prompts({PromptButton::Ignore});
  const auto archiver = MakePackageArchiver(&prompts);
  Start(*archiver);
  archiver->AddFiles(source);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].text, "PackageArchiver: File name is too long: \r\n\"" +
                                       PathText(source) + "\" - Native error: 00061");
  EXPECT_EQ(prompts.asked[0].buttons,
            (std::vector<PromptButton>{PromptButton::Abort, PromptButton::Ignore}));
  archiver->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {{"first.txt", first_}}), "OK");
}

TEST_F(FailureTest, AssignedEventDecidesInsteadOfThePrompts) {
  ScriptedPrompts prompts;
  const auto archiver = MakePackageArchiver(&prompts);
  std::vector<std::string> calls;
  archiver->OnProcessFileFailure = [&](TZFBaseArchiver& sender, const std::u16string& fileName,
                                       TZFProcessOperation operation, int nativeError,
                                       int errorCode, const std::string& message,
                                       TZFAction& action) {
    EXPECT_EQ(&sender, archiver.get());
    EXPECT_EQ(fileName, second_.u16string());
    EXPECT_EQ(operation, TZFProcessOperation::Add);
    calls.push_back(std::to_string(nativeError) + "/" + std::to_string(errorCode) + " " + message);
    action = calls.size() == 1 ? TZFAction::Retry : TZFAction::Ignore;
  };
  Start(*archiver);
  faults::ScopedFaults scoped({.pathPart = PathText(second_), .failOpen = true});
  archiver->AddFiles(second_);
  EXPECT_TRUE(prompts.asked.empty());
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "33/16 PackageArchiver: Cannot open file \"" + PathText(second_) +
                          "\" - Native error: 00033");
  archiver->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {{"first.txt", first_}}), "OK");
}

TEST(DefaultFailureDecision, AnswersByNativeErrorAndButton) {
  struct Case {
    int native;
    PromptButton pressed;
    TZFAction action;
    bool asked;
  };
  const Case cases[] = {
      {45, PromptButton::Retry, TZFAction::Abort, false},
      {61, PromptButton::Ignore, TZFAction::Ignore, true},
      {61, PromptButton::Cancel, TZFAction::Abort, true},
      {33, PromptButton::Retry, TZFAction::Retry, true},
      {33, PromptButton::Ignore, TZFAction::Ignore, true},
      {33, PromptButton::Abort, TZFAction::Abort, true},
      {65, PromptButton::Cancel, TZFAction::Abort, true},
  };
  for (const Case& c : cases) {
    ScriptedPrompts prompts({c.pressed});
    EXPECT_EQ(DefaultFailureDecision(&prompts, c.native, "m"), c.action) << c.native;
    EXPECT_EQ(prompts.asked.size(), c.asked ? 1u : 0u);
  }
  EXPECT_EQ(DefaultFailureDecision(nullptr, 33, "m"), TZFAction::Abort);
}

// A name no retry can mend: the message alone, without the disk-full guess, and no Retry.
TEST(DefaultFailureDecision, NamesAskAbortOrIgnore) {
  for (const int native : {zf_native::kFileNameTooLong, zf_native::kDeviceName}) {
    ScriptedPrompts prompts({PromptButton::Ignore});
    EXPECT_EQ(DefaultFailureDecision(&prompts, native, "m"), TZFAction::Ignore) << native;
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "m");
    EXPECT_EQ(prompts.asked[0].buttons, (std::vector{PromptButton::Abort, PromptButton::Ignore}));
  }
}

}  // namespace
}  // namespace pw::test
