// Opening archives — ours and Python zipfile's — and reading back their directory and data.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/dos_time.h"
#include "platform/fault_injection.h"
#include "platform/file_info.h"
#include "platform/file_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/package_files.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/zip_peer.h"
#include "zip_builder.h"

namespace pw::test {
namespace {

using Contents = std::map<std::string, std::string>;

Contents FolderContents(const std::filesystem::path& folder) {
  Contents contents;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    contents[entry.path().filename().string()] = ReadFile(entry.path());
  return contents;
}

class ReadBackTest : public ScratchFolderTest {
 protected:
  // Opens without a mode, with the settings opening a plugin uses.
  std::unique_ptr<TZFBaseArchiver> Open(const std::filesystem::path& path) {
    auto archiver = MakePackageArchiver();
    archiver->FileName = path;
    archiver->OpenArchive();
    return archiver;
  }
  Contents ExtractAll(TZFBaseArchiver& archiver, const std::string& folder) {
    const auto target = dir_ / folder;
    std::filesystem::create_directories(target);
    archiver.BaseDir = target;
    archiver.ExtractFiles(u"*", zf::kDefaultSearchAttr, u"");
    return FolderContents(target);
  }
  std::vector<TZFArchiveItem> FindAll(TZFBaseArchiver& archiver) {
    std::vector<TZFArchiveItem> found;
    TZFArchiveItem item;
    for (bool more = archiver.FindFirst(u"*.*", item, 495, u""); more;
         more = archiver.FindNext(item))
      found.push_back(item);
    EXPECT_FALSE(archiver.FindNext(item));  // and again after the end
    return found;
  }
  int OpenFailure(const std::string& bytes) {
    const auto path = dir_ / "broken.zip";
    WriteFile(path, bytes);
    const auto archiver = MakePackageArchiver();
    archiver->FileName = path;
    try {
      archiver->OpenArchive();
    } catch (const EZFException& error) {
      EXPECT_FALSE(archiver->Active());
      return error.NativeError;
    }
    return 0;
  }
};

TEST_F(ReadBackTest, OwnPackageGivesBackItsEntriesTimesAndAttributes) {
  const Contents sources = {{"my_tweak.plg", std::string("\xFF\xFE"
                                                         "d\0e\0",
                                                         6)},
                            {"fac00000.cre", std::string(5000, '\x07')}};
  const auto package = dir_ / "my_tweak.qvx";
  std::vector<std::filesystem::path> files;
  for (const auto& [name, bytes] : sources) {
    WriteFile(dir_ / name, bytes);
    files.push_back(dir_ / name);
  }
  WritePackage(package, files);
  const auto reader = Open(package);
  EXPECT_EQ(reader->FileOpenMode(), file_mode::kReadWriteDenyWrite);
  const auto found = FindAll(*reader);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].FileName, u"fac00000.cre");  // AddFiles order: the map's order
  EXPECT_EQ(found[1].FileName, u"my_tweak.plg");
  for (const TZFArchiveItem& item : found) {
    EXPECT_EQ(item.StoredPath, u"");
    EXPECT_FALSE(item.Encrypted);
    EXPECT_EQ(item.CompressionRate, 0);
  }
  EXPECT_EQ(found[0].UncompressedSize, 5000);
  EXPECT_EQ(ExtractAll(*reader, "out"), sources);
  for (const TZFArchiveItem& item : found) {
    const auto info = FindFile(dir_ / "out" / std::filesystem::path(item.FileName));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->attributes, 0x20u);
    const uint32_t stamp = (uint32_t{item.LastModFileDate} << 16) | item.LastModFileTime;
    EXPECT_EQ(info->lastWrite, DosDateTimeToFileTime(stamp));
  }
}

// Names with the size and a hash of the bytes, so a failure prints briefly.
std::map<std::string, std::string> Digest(const Contents& contents) {
  std::map<std::string, std::string> digest;
  for (const auto& [name, bytes] : contents)
    digest[name] = std::to_string(bytes.size()) + " bytes, hash " +
                   std::to_string(std::hash<std::string>{}(bytes));
  return digest;
}

TEST_F(ReadBackTest, ArchivesMadeByPythonZipfileOpenAndExtract) {
  const auto peer = dir_ / "peer";
  ASSERT_TRUE(MakePeerArchives(peer));
  for (const char* name : {"plain.zip", "comment.zip", "prepended.zip", "appended.zip",
                           "descriptors.zip", "zip64.zip"}) {
    SCOPED_TRACE(name);
    const auto archiver = Open(peer / name);
    const Contents expected = FolderContents(peer / (std::string(name) + ".expected"));
    EXPECT_EQ(Digest(ExtractAll(*archiver, std::string("out_") + name)), Digest(expected));
  }
}

// Bytes after the end record send the open to the recovery scan, which has only the local
// headers: there an entry without data is a folder only when its name says so.
TEST_F(ReadBackTest, RecoveryScanTakesOnlyNamesEndingInASeparatorForFolders) {
  // Data descriptor, as a streaming archiver writes one after data it could not size first:
  // CRC 0, both sizes 0.
  const std::string noData = std::string("PK\x07\x08", 4) + std::string(12, '\0');
  const struct {
    const char* name;
    std::string data;
    uint16_t flags;
    uint32_t externalAttr;
  } cases[] = {
      {"empty.txt", "", 0, 0x20},          {"folder/", "", 0, 0x10},
      {"backslash\\", "", 0, 0x10},        {"no_extension", "", 0, 0x20},
      {"data.txt", "d", 0, 0x20},          {"streamed.txt", noData, 0x0008, 0x20},
      {"streamed/", noData, 0x0008, 0x10},
  };
  std::vector<BuiltEntry> entries;
  for (const auto& c : cases) {
    entries.push_back(TrueEntry(c.name, c.data));
    entries.back().flags = c.flags;
  }
  const auto path = dir_ / "damaged.zip";
  WriteFile(path, BuildArchive(entries) + "bytes after the end record");
  const auto archiver = Open(path);
  const TZFDirArray& dir = archiver->DMHandle()->CDir;
  ASSERT_EQ(dir.Count(), std::size(cases));
  for (size_t i = 0; i < dir.Count(); ++i)
    EXPECT_EQ(dir[i].CentralDir.externalAttr, cases[i].externalAttr) << cases[i].name;
  EXPECT_EQ(
      ExtractAll(*archiver, "out"),
      (Contents{{"empty.txt", ""}, {"no_extension", ""}, {"data.txt", "d"}, {"streamed.txt", ""}}));
}

// Names as other archivers store them, without our Unicode name field: CP437 letters that
// Windows-1252 lacks, and UTF-8 without its flag.
TEST_F(ReadBackTest, ForeignNamesKeepTheirLettersAndNeverCollide) {
  const std::vector<BuiltEntry> entries = {TrueEntry("\xE0.txt", "alpha"),
                                           TrueEntry("\xE2.txt", "gamma"),
                                           TrueEntry("\xC3\xA9t\xC3\xA9.txt", "summer")};
  const struct {
    const char* label;
    std::string trailing;  // bytes after the end record: the recovery scan reads the names
    const char* utf8Name;
  } cases[] = {
      {"central directory", "", "\xC3\xA9t\xC3\xA9.txt"},
      // Without the UTF-8 test the same bytes read as CP437 box and sign characters.
      {"recovery scan", "trailing", "\xE2\x94\x9C\xE2\x8C\x90t\xE2\x94\x9C\xE2\x8C\x90.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const auto path = dir_ / "foreign.zip";
    WriteFile(path, BuildArchive(entries) + c.trailing);
    const auto archiver = Open(path);
    EXPECT_EQ(
        ExtractAll(*archiver, std::string("out_") + c.label),
        (Contents{{"\xCE\xB1.txt", "alpha"}, {"\xCE\x93.txt", "gamma"}, {c.utf8Name, "summer"}}));
  }
}

TEST_F(ReadBackTest, CompressionRateOfEveryEntryIsItsOwn) {
  const auto path = dir_ / "rates.zip";
  const BuiltEntry deflated = TrueEntry("d.txt", std::string(1000, 'z'), 8);
  WriteFile(path, BuildArchive({TrueEntry("a.txt", "stored"), TrueEntry("e1.txt", ""), deflated,
                                TrueEntry("x.bin", "x", 8), TrueEntry("e2.txt", "")}));
  const auto archiver = Open(path);
  std::vector<double> rates;
  for (const TZFArchiveItem& item : FindAll(*archiver))
    rates.push_back(item.CompressionRate);
  const double deflatedRate = (1 - static_cast<double>(deflated.data.size()) / 1000) * 100;
  // An empty entry is 100; a deflated byte that grows in size is 0, never negative.
  EXPECT_EQ(rates, (std::vector<double>{0, 100, deflatedRate, 0, 100}));
}

TEST_F(ReadBackTest, StubInFrontShiftsTheOffsets) {
  const std::string stub(777, 'S');
  const auto path = dir_ / "stub.zip";
  WriteFile(path, stub + BuildArchive({TrueEntry("a.txt", "alpha")}));
  const auto archiver = Open(path);
  EXPECT_EQ(archiver->DMHandle()->StubSize, 777);
  EXPECT_EQ(ExtractAll(*archiver, "out"), (Contents{{"a.txt", "alpha"}}));
}

TEST_F(ReadBackTest, BrokenArchivesFailWithTheirNativeErrors) {
  std::string zip64WithoutRecord = BuildArchive({TrueEntry("a.txt", "alpha")});
  std::string locator("PK\x06\x07", 4);
  locator += std::string(16, '\0');  // points at offset 0, where no Zip64 end record stands
  zip64WithoutRecord.insert(zip64WithoutRecord.size() - 22, locator);
  const struct {
    const char* what;
    std::string bytes;
    int native;
  } cases[] = {
      {"empty file", "", 35},
      {"no local header", "plain text, not an archive at all", 35},
      {"Zip64 locator without its record", zip64WithoutRecord, 40},
      {"an entry named with nothing before others",
       BuildArchive({TrueEntry("", "x"), TrueEntry("b.txt", "y")}), 59},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(OpenFailure(c.bytes), c.native);
  }
}

TEST_F(ReadBackTest, MissingPathGivesTheEmptyArchiveAndReadOnlyOpensToRead) {
  const auto path = dir_ / "new.qvx";
  {
    const auto archiver = Open(path);
    TZFArchiveItem item;
    EXPECT_FALSE(archiver->FindFirst(u"*.*", item, 495, u""));
    EXPECT_TRUE(ExtractAll(*archiver, "out").empty());
    archiver->CloseArchive();
  }
  EXPECT_EQ(std::filesystem::file_size(path), 22u);
  // A file that refuses to be opened for writing, as a read-only one does (even for root).
  faults::ScopedFaults readOnly({.pathPart = "new.qvx", .failOpen = true, .times = 1});
  const auto archiver = Open(path);
  EXPECT_EQ(archiver->FileOpenMode(), file_mode::kReadShareAll);
  archiver->CloseArchive();
  EXPECT_EQ(std::filesystem::file_size(path), 22u);
}

TEST_F(ReadBackTest, SearchSkipsFoldersAndNestedEntriesAndKeepsCaseTwins) {
  BuiltEntry folder = TrueEntry("sub/", "");
  folder.externalAttr = 0x10;
  const auto path = dir_ / "mixed.zip";
  WriteFile(path, BuildArchive({TrueEntry("Read.me", "1"), folder, TrueEntry("sub/in.txt", "2"),
                                TrueEntry("READ.ME", "3"), TrueEntry("noext", "4")}));
  const auto archiver = Open(path);
  std::vector<std::u16string> names;
  for (const TZFArchiveItem& item : FindAll(*archiver))
    names.push_back(item.FileName);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Read.me", u"READ.ME", u"noext"}));
  TZFArchiveItem item;
  ASSERT_TRUE(archiver->FindFirst(u"sub\\in.txt", item, 495, u""));  // by name, no wildcards
  EXPECT_EQ(item.StoredPath, u"sub\\");
  EXPECT_EQ(item.FileName, u"in.txt");
}

}  // namespace
}  // namespace pw::test
