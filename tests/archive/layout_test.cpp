// The bytes of a package: every offset of the two-entry layout, versions, flags, methods,
// the Unicode name field, time stamps and attribute words.
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/dos_time.h"
#include "platform/file_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/package_files.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/zip_peer.h"

namespace pw::test {
namespace {

std::string Pattern(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 131 + seed) % 251);
  return bytes;
}

uint32_t Crc(const std::string& data) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string Utf16Le(const std::string& ascii) {
  std::string out;
  for (const char c : ascii)
    out += std::string{c, '\0'};
  return out;
}

// The local header at `at` and the central header at `central` describe `name` with `data`.
void ExpectEntry(const std::string& zip, size_t at, size_t central, const std::string& name,
                 const std::string& data) {
  SCOPED_TRACE(name);
  const std::string field =
      std::string("\x4E\x55\x20\x00\x4E\x55\x43\x58\x0C\x00\x00\x00", 12) + Utf16Le(name);
  EXPECT_EQ(U32At(zip, at), 0x04034B50u);
  EXPECT_EQ(U16At(zip, at + 4), 20);
  EXPECT_EQ(U16At(zip, at + 6), 0);
  EXPECT_EQ(U16At(zip, at + 8), 0);
  EXPECT_EQ(U32At(zip, at + 14), Crc(data));
  EXPECT_EQ(U32At(zip, at + 18), data.size());
  EXPECT_EQ(U32At(zip, at + 22), data.size());
  EXPECT_EQ(U16At(zip, at + 26), 12);
  EXPECT_EQ(U16At(zip, at + 28), 36);
  EXPECT_EQ(zip.substr(at + 30, 12), name);
  EXPECT_EQ(zip.substr(at + 42, 36), field);
  EXPECT_EQ(zip.substr(at + 78, data.size()), data);

  EXPECT_EQ(U32At(zip, central), 0x02014B50u);
  EXPECT_EQ(U16At(zip, central + 4), 20);
  EXPECT_EQ(U16At(zip, central + 6), 20);
  EXPECT_EQ(U16At(zip, central + 8), 0);
  EXPECT_EQ(U16At(zip, central + 10), 0);
  EXPECT_EQ(U32At(zip, central + 12), U32At(zip, at + 10));  // time and date
  EXPECT_EQ(U32At(zip, central + 16), Crc(data));
  EXPECT_EQ(U32At(zip, central + 20), data.size());
  EXPECT_EQ(U32At(zip, central + 24), data.size());
  EXPECT_EQ(U16At(zip, central + 28), 12);
  EXPECT_EQ(U16At(zip, central + 30), 36);
  EXPECT_EQ(U16At(zip, central + 32), 0);
  EXPECT_EQ(U16At(zip, central + 34), 0);
  EXPECT_EQ(U16At(zip, central + 36), 0);
  EXPECT_EQ(U32At(zip, central + 38), 0x20u);
  EXPECT_EQ(U32At(zip, central + 42), at);
  EXPECT_EQ(zip.substr(central + 46, 12), name);
  EXPECT_EQ(zip.substr(central + 58, 36), field);
}

class LayoutTest : public ScratchFolderTest {
 protected:
  std::filesystem::path Source(const std::string& name, const std::string& bytes) {
    WriteFile(dir_ / name, bytes);
    return dir_ / name;
  }
};

TEST_F(LayoutTest, TwoEntryPackageHasTheWorkedOffsets) {
  // Empty files, small ones, and one that takes more than one 1 MiB chunk.
  const std::pair<size_t, size_t> sizes[] = {{0, 0}, {57, 300}, {1048577, 3}};
  for (const auto& [s1, s2] : sizes) {
    SCOPED_TRACE(::testing::Message() << "S1=" << s1 << " S2=" << s2);
    const std::string d1 = Pattern(s1, 1);
    const std::string d2 = Pattern(s2, 2);
    const auto plg = Source("my_tweak.plg", d1);
    const auto cre = Source("fac00000.cre", d2);
    const auto package = dir_ / "my_tweak.qvx";
    const auto archiver = MakePackageArchiver();
    archiver->FileName = package;
    archiver->OpenArchive(file_mode::kCreate);
    archiver->AddFiles(plg);
    EXPECT_EQ(PeerCheck(package, {{"my_tweak.plg", plg}}), "OK");
    archiver->AddFiles(cre);
    archiver->CloseArchive();

    const std::string zip = ReadFile(package);
    ASSERT_EQ(zip.size(), 366 + s1 + s2);
    const size_t dirAt = 156 + s1 + s2;
    ExpectEntry(zip, 0, dirAt, "my_tweak.plg", d1);
    ExpectEntry(zip, 78 + s1, dirAt + 94, "fac00000.cre", d2);
    const size_t end = 344 + s1 + s2;
    EXPECT_EQ(U32At(zip, end), 0x06054B50u);
    EXPECT_EQ(U32At(zip, end + 4), 0u);  // both disk numbers
    EXPECT_EQ(U16At(zip, end + 8), 2);
    EXPECT_EQ(U16At(zip, end + 10), 2);
    EXPECT_EQ(U32At(zip, end + 12), 188u);
    EXPECT_EQ(U32At(zip, end + 16), dirAt);
    EXPECT_EQ(U16At(zip, end + 20), 0);
    EXPECT_EQ(PeerCheck(package, {{"my_tweak.plg", plg}, {"fac00000.cre", cre}}), "OK");
  }
}

TEST_F(LayoutTest, TimeStampIsTheLocalLastWriteTimeOrNowBefore1980) {
  const uint32_t stamp = *PackDosDateTime({2021, 6, 15, 13, 45, 30});
  const auto dated = Source("dated.txt", "x");
  std::filesystem::last_write_time(dated, *DosDateTimeToFileTime(stamp));
  const auto old = Source("old.txt", "y");
  const std::chrono::sys_seconds newYear1975{
      std::chrono::sys_days{std::chrono::year{1975} / 1 / 1}};
  std::filesystem::last_write_time(old, std::chrono::file_clock::from_sys(newYear1975));
  const auto package = dir_ / "p.qvx";
  const auto archiver = MakePackageArchiver();
  archiver->FileName = package;
  archiver->OpenArchive(file_mode::kCreate);
  const uint32_t before = CurrentDosDateTime();
  archiver->AddFiles(dated);
  archiver->AddFiles(old);
  const uint32_t after = CurrentDosDateTime();
  archiver->CloseArchive();

  const std::string zip = ReadFile(package);
  // Time at offset 10 and date at 12 of a local header read as one little-endian word.
  const auto dosStamp = [&](size_t at) { return U32At(zip, at + 10); };
  EXPECT_EQ(dosStamp(0), stamp);
  const uint32_t oldStamp = dosStamp(30 + 9 + 30 + 1);
  EXPECT_GE(oldStamp, before);
  EXPECT_LE(oldStamp, after);
}

TEST_F(LayoutTest, AttributeWordOfAReadOnlySource) {
  const auto source = Source("locked.plg", "data");
  std::filesystem::permissions(source, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  const auto package = dir_ / "p.qvx";
  WritePackage(package, {source});
  const std::string zip = ReadFile(package);
  const size_t central = 30 + 10 + 32 + 4;
  EXPECT_EQ(U32At(zip, central + 38), 0x21u);
  EXPECT_EQ(PeerCheck(package, {{"locked.plg", source}}), "OK");
}

}  // namespace
}  // namespace pw::test
