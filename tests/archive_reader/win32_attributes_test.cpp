// Extraction on Windows: outputs take the attribute words of their entries, and files in the way
// that are read-only, hidden or system are replaced all the same.
#include <gtest/gtest.h>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/file_info.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_prompts.h"
#include "tests/support/scratch_folder.h"
#include "zip_builder.h"

namespace pw::test {
namespace {

class Win32AttributesTest : public ScratchFolderTest {
 protected:
  void TearDown() override {
    for (const auto& entry : std::filesystem::directory_iterator(dir_ / "out"))
      SetFileAttributeWord(entry.path(), 0x20);
    ScratchFolderTest::TearDown();
  }
};

TEST_F(Win32AttributesTest, OutputsTakeTheEntriesWordsAndReplaceProtectedFiles) {
  const auto out = dir_ / "out";
  std::filesystem::create_directories(out);
  WriteFile(out / "locked.txt", "old");
  ASSERT_TRUE(SetFileAttributeWord(out / "locked.txt", 0x27));
  const struct {
    const char* name;
    uint32_t attributes;
  } cases[] = {
      {"plain.txt", 0x20},  {"read-only.txt", 0x21}, {"hidden.txt", 0x22},
      {"system.txt", 0x24}, {"locked.txt", 0x20},
  };
  std::vector<BuiltEntry> entries;
  for (const auto& c : cases) {
    entries.push_back(TrueEntry(c.name, std::string("new ") + c.name));
    entries.back().externalAttr = c.attributes;
  }
  const auto archive = dir_ / "a.zip";
  WriteFile(archive, BuildArchive(entries));
  ScriptedPrompts prompts;
  const auto archiver = MakePackageArchiver(&prompts);
  archiver->FileName = archive;
  archiver->OpenArchive();
  archiver->BaseDir = out;
  archiver->ExtractFiles(u"*", zf::kDefaultSearchAttr, u"");
  archiver->CloseArchive();
  EXPECT_TRUE(prompts.asked.empty());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadFile(out / c.name), std::string("new ") + c.name);
    const auto info = FindFile(out / c.name);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->attributes, c.attributes);
  }
}

}  // namespace
}  // namespace pw::test
