// The writer's transactions: create and close, adding, replacing in place, what is passed
// over, the update bracket, and the errors it raises.
#include <gtest/gtest.h>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "platform/file_stream.h"
#include "tests/support/error_message.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/zip_peer.h"

namespace pw::test {
namespace {

class WriterTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    package_ = dir_ / "p.qvx";
    archiver_->FileName = package_;
  }
  std::filesystem::path Source(const std::string& name, const std::string& bytes) {
    WriteFile(dir_ / name, bytes);
    return dir_ / name;
  }
  std::filesystem::path package_;
  std::unique_ptr<TZFBaseArchiver> archiver_ = MakePackageArchiver();
};

TEST_F(WriterTest, CreateThenCloseLeavesTheEmptyArchive) {
  WriteFile(package_, "old contents");
  archiver_->OpenArchive(file_mode::kCreate);
  EXPECT_TRUE(archiver_->Active());
  EXPECT_EQ(std::filesystem::file_size(package_), 0u);
  archiver_->CloseArchive();
  EXPECT_FALSE(archiver_->Active());
  EXPECT_EQ(ReadFile(package_), std::string("PK\x05\x06", 4) + std::string(18, '\0'));
  EXPECT_EQ(PeerCheck(package_, {}), "OK");
}

TEST_F(WriterTest, MissingSourceAndTheArchiveItselfAddNothing) {
  archiver_->OpenArchive(file_mode::kCreate);
  archiver_->AddFiles(dir_ / "missing.plg");
  EXPECT_EQ(std::filesystem::file_size(package_), 22u);
  const auto first = Source("first.plg", "first");
  archiver_->AddFiles(first);
  const std::string before = ReadFile(package_);
  std::filesystem::create_directories(dir_ / "sub");
  const std::filesystem::path sameArchive[] = {package_, dir_ / "sub" / ".." / "p.qvx",
                                               dir_ / "missing.plg"};
  for (const auto& path : sameArchive) {
    archiver_->AddFiles(path);
    EXPECT_EQ(ReadFile(package_), before) << path;
  }
  EXPECT_EQ(archiver_->DMHandle()->CDir.Count(), 1u);
  archiver_->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {{"first.plg", first}}), "OK");
}

TEST_F(WriterTest, ExclusionMaskPassesOverMatchingFiles) {
  const auto skipped = Source("notes.TXT", "n");
  archiver_->OpenArchive(file_mode::kCreate);
  archiver_->AddFiles(skipped, zf::kDefaultSearchAttr, dir_ / "*.txt");
  archiver_->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {}), "OK");
}

TEST_F(WriterTest, ReplacingAnEntryOfOtherCaseKeepsItsPlaceAndMovesTheRest) {
  const auto readme = Source("Readme.TXT", "old readme");
  const auto b = Source("b.bin", std::string(70000, 'b'));
  const auto c = Source("c.bin", "ccc");
  std::filesystem::create_directories(dir_ / "new");
  const auto replacement = dir_ / "new" / "README.txt";
  WriteFile(replacement, "the new, longer readme");
  const auto temp = dir_ / "tmp";
  std::filesystem::create_directories(temp);
  archiver_->TempDir = temp;
  archiver_->OpenArchive(file_mode::kCreate);
  for (const auto& path : {readme, b, c})
    archiver_->AddFiles(path);

  archiver_->AddFiles(replacement);
  EXPECT_EQ(archiver_->DMHandle()->CDir.Count(), 3u);
  EXPECT_EQ(archiver_->DMHandle()->CDir[0].Name, u"README.txt");
  EXPECT_TRUE(std::filesystem::is_empty(temp));
  EXPECT_EQ(PeerCheck(package_, {{"README.txt", replacement}, {"b.bin", b}, {"c.bin", c}}), "OK");

  // The moved entries pass through a temporary copy named "FC..." in TempDir: when it cannot
  // be made, the commit fails before the archive is touched.
  const std::string before = ReadFile(package_);
  faults::ScopedFaults fault({.pathPart = (temp / "FC").string(), .failOpen = true});
  EXPECT_THROW(archiver_->AddFiles(readme), FileCreateError);
  EXPECT_EQ(ReadFile(package_), before);
  archiver_->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {{"README.txt", replacement}, {"b.bin", b}, {"c.bin", c}}), "OK");
}

TEST_F(WriterTest, NestedUpdatesCommitAtTheOutermostEnd) {
  const auto a = Source("a.plg", "aa");
  const auto b = Source("b.cre", "bbb");
  archiver_->OpenArchive(file_mode::kCreate);
  archiver_->BeginUpdate();
  archiver_->AddFiles(a);
  archiver_->AddFiles(b);
  EXPECT_TRUE(archiver_->InUpdate());
  EXPECT_EQ(std::filesystem::file_size(package_), 0u);
  archiver_->EndUpdate();
  EXPECT_EQ(PeerCheck(package_, {{"a.plg", a}, {"b.cre", b}}), "OK");

  // A pending update is committed by CloseArchive; a cancelled one leaves no trace.
  const auto c = Source("c.txt", "c");
  archiver_->BeginUpdate();
  archiver_->AddFiles(c);
  archiver_->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {{"a.plg", a}, {"b.cre", b}, {"c.txt", c}}), "OK");
}

TEST_F(WriterTest, CancelledUpdateForgetsItsEntries) {
  const auto a = Source("a.plg", "aa");
  const auto b = Source("b.plg", "bb");
  archiver_->OpenArchive(file_mode::kCreate);
  archiver_->AddFiles(a);
  archiver_->BeginUpdate();
  archiver_->AddFiles(b);
  archiver_->CancelUpdate();
  EXPECT_EQ(archiver_->DMHandle()->CDir.Count(), 1u);
  archiver_->CloseArchive();
  EXPECT_EQ(PeerCheck(package_, {{"a.plg", a}}), "OK");
}

TEST_F(WriterTest, ErrorsNameTheComponentAndTheNativeNumber) {
  const auto message = [](const auto& action) {
    try {
      action();
    } catch (const EZFException& error) {
      return std::to_string(error.NativeError) + "/" + std::to_string(error.ErrorCode) + " " +
             error.what();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { archiver_->AddFiles(dir_ / "x"); }),
            "13/7 PackageArchiver: Archive is not open - Native error: 00013");
  archiver_->FileName = dir_ / "";
  EXPECT_EQ(message([&] { archiver_->OpenArchive(file_mode::kCreate); }),
            "10/5 PackageArchiver: File name is blank. Specify appropriate file name - Native "
            "error: 00010");
  EXPECT_FALSE(archiver_->Active());
  EXPECT_EQ(message([&] { archiver_->SetCompressionMode(10); }),
            "5/2 PackageArchiver: Invalid compression mode. Mode must be in [0-9] range - Native "
            "error: 00005");
}

TEST_F(WriterTest, CreateFailureLeavesTheComponentClosed) {
  archiver_->FileName = dir_ / "no_such_folder" / "p.qvx";
  EXPECT_EQ(MessageOf<FileCreateError>([&] {
              archiver_->OpenArchive(file_mode::kCreate);
            }).rfind("Cannot create file \"", 0),
            0u);
  EXPECT_FALSE(archiver_->Active());
}

TEST_F(WriterTest, CompressionLevelAndModeAreOneSetting) {
  const std::pair<TZFCompressionLevel, uint8_t> levels[] = {{TZFCompressionLevel::None, 0},
                                                            {TZFCompressionLevel::Fastest, 1},
                                                            {TZFCompressionLevel::Normal, 6},
                                                            {TZFCompressionLevel::Max, 9}};
  for (const auto& [level, mode] : levels) {
    archiver_->SetCompressionLevel(level);
    EXPECT_EQ(archiver_->CompressionMode(), mode);
  }
  const TZFCompressionLevel byMode[] = {TZFCompressionLevel::None,    TZFCompressionLevel::Fastest,
                                        TZFCompressionLevel::Fastest, TZFCompressionLevel::Fastest,
                                        TZFCompressionLevel::Normal,  TZFCompressionLevel::Normal,
                                        TZFCompressionLevel::Normal,  TZFCompressionLevel::Max,
                                        TZFCompressionLevel::Max,     TZFCompressionLevel::Max};
  for (uint8_t mode = 0; mode <= 9; ++mode) {
    archiver_->SetCompressionMode(mode);
    EXPECT_EQ(archiver_->CompressionLevel(), byMode[mode]);
    EXPECT_EQ(archiver_->CompressionMethod(), mode == 0 ? 0 : 8);
  }
}

}  // namespace
}  // namespace pw::test
