// File streams: modes, exact reads and writes, and the injected faults tests rely on.
#include "platform/file_stream.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "tests/support/error_message.h"

namespace pw {
namespace {

class FileStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("pw_fs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FileStreamTest, CreateWriteSeekReadTruncate) {
  const auto path = dir_ / "a.bin";
  FileStream stream(path, file_mode::kCreate);
  stream.WriteExact("hello world", 11);
  EXPECT_EQ(stream.Size(), 11);
  stream.Seek(6);
  char buffer[5];
  stream.ReadExact(buffer, 5);
  EXPECT_EQ(std::string(buffer, 5), "world");
  EXPECT_THROW(stream.ReadExact(buffer, 1), StreamReadError);
  stream.Truncate(5);
  EXPECT_EQ(stream.Size(), 5);
}

TEST_F(FileStreamTest, OpenErrorsNameThePath) {
  const auto path = dir_ / "missing.bin";
  const std::string openMessage =
      test::MessageOf<FileOpenError>([&] { FileStream stream(path, file_mode::kReadShareAll); });
  EXPECT_EQ(openMessage.rfind("Cannot open file \"" + PathText(path) + "\". ", 0), 0u)
      << openMessage;
  const std::string createMessage = test::MessageOf<FileCreateError>(
      [&] { FileStream stream(dir_ / "no" / "such.bin", file_mode::kCreate); });
  EXPECT_EQ(createMessage.rfind("Cannot create file \"", 0), 0u) << createMessage;
}

TEST_F(FileStreamTest, InjectedFaultsStopShortOrRefuseToOpen) {
  faults::ScopedFaults scope;
  faults::Inject({.pathPart = "short.bin", .writeLimit = 3});
  faults::Inject({.pathPart = "locked.bin", .failOpen = true, .times = 1});
  {
    FileStream stream(dir_ / "short.bin", file_mode::kCreate);
    EXPECT_EQ(stream.Write("abcdef", 6), 3u);
    EXPECT_THROW(stream.WriteExact("x", 1), StreamWriteError);
  }
  EXPECT_THROW(FileStream(dir_ / "locked.bin", file_mode::kCreate), FileCreateError);
  EXPECT_NO_THROW(FileStream(dir_ / "locked.bin", file_mode::kCreate));  // only once
  faults::Inject({.pathPart = "src.bin", .readLimit = 2});
  { std::ofstream(dir_ / "src.bin") << "abcdef"; }
  FileStream source(dir_ / "src.bin", file_mode::kReadShareAll);
  char buffer[6];
  EXPECT_EQ(source.Read(buffer, 6), 2u);
}

TEST_F(FileStreamTest, SizeLimitActsLikeAFullDiskThatTruncationFrees) {
  faults::ScopedFaults scope({.pathPart = "full.bin", .sizeLimit = 4});
  FileStream stream(dir_ / "full.bin", file_mode::kCreate);
  EXPECT_EQ(stream.Write("abcdef", 6), 4u);
  stream.Truncate(1);
  stream.Seek(1);
  EXPECT_EQ(stream.Write("xyz", 3), 3u);
  EXPECT_EQ(stream.Write("!", 1), 0u);
}

}  // namespace
}  // namespace pw
