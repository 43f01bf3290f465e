// Saving and opening plugins end to end, through the files on disk and Python's zipfile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "archive/archiver.h"
#include "package/open_plugin.h"
#include "package/package_archiver.h"
#include "package/save_plugin.h"
#include "platform/errors.h"
#include "platform/fault_injection.h"
#include "platform/text.h"
#include "repository/descriptor_writer.h"
#include "repository/repository_writer.h"
#include "tests/package/plain_editor.h"
#include "tests/support/error_message.h"
#include "tests/support/file_bytes.h"
#include "tests/support/items.h"
#include "tests/support/package_files.h"
#include "tests/support/recording_prompts.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/zip_peer.h"

namespace pw::test {
namespace {

std::vector<std::string> Names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

RepoItems ThreeItems() {
  return ListOf(
      {MakeItem(u"Vibra", u"Vibration on keys", u"0x101F876E", u"1", u"255", u"1", u"0", u"1",
                {{u"Off", u"0"}, {u"On", u"1"}}),
       MakeItem(u"Имя", u"Unicode text", u"0x10000000", u"2147483647", u"254", u"2", u"0", u"255"),
       MakeItem(u"Path", u"", u"0x20001234", u"7", u"254", u"5", u"0", u"0")});
}

class SaveOpenTest : public ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    editor_.items = ThreeItems();
  }
  std::optional<std::filesystem::path> Save() {
    return SavePlugin(editor_, *archiver_, dir_, prompts_);
  }
  void Open(PlainEditor& editor, const std::filesystem::path& path) {
    OpenPlugin(editor, *archiver_, path, dir_, prompts_);
  }
  std::filesystem::path Package() const { return dir_ / "my_tweak" / "my_tweak.qvx"; }

  std::unique_ptr<TZFBaseArchiver> archiver_ = MakePackageArchiver();
  PlainEditor editor_;
  RecordingPrompts prompts_;
};

TEST_F(SaveOpenTest, SaveWritesTheTwoEntriesThatPythonReads) {
  ASSERT_EQ(Save(), Package());
  EXPECT_EQ(prompts_.messages, std::vector<std::string>{"Готово!"});
  EXPECT_EQ(Names(dir_ / "my_tweak"), std::vector<std::string>{"my_tweak.qvx"});
  // What the two writers give on their own is what the package must hold.
  const auto reference = dir_ / "reference";
  std::filesystem::create_directory(reference);
  WriteDescriptor(reference / "my_tweak.plg", editor_.fields.setName, editor_.fields.setDescr,
                  editor_.fields.setUid);
  WriteRepository(reference / "fac00000.cre", editor_.fields.setUid, editor_.items);
  const auto s1 = std::filesystem::file_size(reference / "my_tweak.plg");
  const auto s2 = std::filesystem::file_size(reference / "fac00000.cre");
  EXPECT_EQ(std::filesystem::file_size(Package()), 366 + s1 + s2);
  EXPECT_EQ(PeerCheck(Package(), {{"my_tweak.plg", reference / "my_tweak.plg"},
                                  {"fac00000.cre", reference / "fac00000.cre"}}),
            "OK");

  ASSERT_EQ(Save(), Package());  // again: replaced, two entries, not four
  EXPECT_EQ(std::filesystem::file_size(Package()), 366 + s1 + s2);
  EXPECT_EQ(Names(dir_ / "my_tweak"), std::vector<std::string>{"my_tweak.qvx"});
}

TEST_F(SaveOpenTest, EmptyListSavesNothingAndSaysNothing) {
  editor_.items = RepoItems();
  EXPECT_EQ(Save(), std::nullopt);
  EXPECT_TRUE(prompts_.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "my_tweak"));
}

TEST_F(SaveOpenTest, FailedSavesLeaveTheEarlierPackageAsItWas) {
  ASSERT_TRUE(Save());
  const std::string before = ReadFile(Package());
  prompts_.messages.clear();
  editor_.items = ListOf({MakeItem(u"x", u"", u"0x1", u"1", u"1x", u"1", u"0", u"1")});
  EXPECT_THROW(Save(), ConversionError);
  EXPECT_EQ(ReadFile(Package()), before);
  editor_.items = ThreeItems();
  {
    faults::ScopedFaults unwritable({.pathPart = ".qvx.saving", .failOpen = true});
    EXPECT_THROW(Save(), Error);
  }
  {
    // The archive's failure decision answers Abort: the package would lack the repository
    // file, so it must neither replace the earlier one nor be reported as saved.
    faults::ScopedFaults full({.pathPart = ".qvx.saving", .sizeLimit = 300});
    EXPECT_THROW(Save(), Error);
  }
  ASSERT_FALSE(prompts_.messages.empty());
  EXPECT_NE(prompts_.messages.front().find("possibly disk is full"), std::string::npos);
  EXPECT_EQ(std::count(prompts_.messages.begin(), prompts_.messages.end(), "Готово!"), 0);
  EXPECT_EQ(ReadFile(Package()), before);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "my_tweak" / "my_tweak.qvx.saving"));
}

TEST_F(SaveOpenTest, PluginFileNamesThatLeaveTheWorkingFolderAreRefused) {
  // "C:up" is relative to drive C: on Windows, wherever the working folder is.
  for (const char16_t* name : {u"..", u".", u"a/b", u"a\\b", u"../up", u"C:up", u"a:b"}) {
    editor_.fields.pluginName = name;
    EXPECT_THROW(Save(), Error);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
  EXPECT_TRUE(prompts_.messages.empty());
}

// Refused everywhere, so that a plugin saved on one system can be saved on the other: on Linux
// "a?b" would reach the archive as a file mask, on Windows "CON" would open the console.
TEST_F(SaveOpenTest, PluginFileNamesWindowsCannotHoldAreRefused) {
  const std::string characters =
      "a plugin file name must not hold \"<\", \">\", \"\"\", \"|\", \"?\", \"*\" or a control "
      "character, which Windows does not allow in file names.";
  const std::string device =
      "a plugin file name must not be a device name of Windows (CON, PRN, AUX, NUL, COM1 to "
      "COM9, LPT1 to LPT9), alone or with an extension.";
  const std::string trailing =
      "a plugin file name must not end in \".\" or \" \", which Windows drops from file names.";
  const struct {
    std::u16string name;
    const std::string& rule;
  } cases[] = {
      {u"a?b", characters},     {u"a*b", characters},     {u"<a>", characters},
      {u"a\"b", characters},    {u"a|b", characters},     {u"a\tb", characters},
      {u"CON", device},         {u"con.txt", device},     {u"Nul", device},
      {u"com1.qvx", device},    {u"LPT9", device},        {u"aux .plg", device},
      {u"my_tweak.", trailing}, {u"my_tweak ", trailing},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.name));
    editor_.fields.pluginName = c.name;
    EXPECT_EQ(MessageOf<Error>([&] { Save(); }),
              "Plugin file \"" + Utf16ToUtf8(c.name) + "\" cannot be used: " + c.rule);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
  }
  EXPECT_TRUE(prompts_.messages.empty());
  // Near misses are ordinary names.
  for (const char16_t* name : {u"console", u"COM10", u"nul_tweak", u".tweak"}) {
    editor_.fields.pluginName = name;
    EXPECT_TRUE(Save()) << Utf16ToUtf8(name);
  }
}

TEST_F(SaveOpenTest, RefusalsComeBeforeAnythingIsWritten) {
  struct Case {
    std::u16string setUid;
    RepoItems items;
    std::string message;
  };
  const Case cases[] = {
      {u"12G45", ThreeItems(), "''fac12G45'' is not a valid integer value"},
      {u"000000", ThreeItems(), "''fac000000'' is not a valid integer value"},
      {u"/../x", ThreeItems(), "''fac/../x'' is not a valid integer value"},
      {u"00000",
       ListOf({MakeItem(u"Big", u"", u"0x1", u"1", u"255", u"1", u"0", u"1",
                        std::vector<Entry>(46, {u"t", u"1"}))}),
       "Cannot save item 1 \"Big\": it has 46 selection entries, at most 45 fit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    editor_.fields.setUid = c.setUid;
    editor_.items = c.items;
    EXPECT_EQ(MessageOf<Error>([&] { Save(); }), c.message);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
  }
  EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(SaveOpenTest, PackagePathHeldByAFolderGivesTheCreateError) {
  std::filesystem::create_directories(Package() / "inside");
  try {
    Save();
    FAIL() << "no error";
  } catch (const FileCreateError& error) {
    const std::string prefix = "Cannot create file \"" + PathText(Package()) + "\". ";
    EXPECT_EQ(std::string(error.what()).substr(0, prefix.size()), prefix);
#ifndef _WIN32
    EXPECT_EQ(error.what(), prefix + SystemReason(EISDIR));
#endif
  }
  EXPECT_TRUE(std::filesystem::is_directory(Package() / "inside"));
  EXPECT_EQ(Names(dir_ / "my_tweak"),
            (std::vector<std::string>{"fac00000.cre", "my_tweak.plg", "my_tweak.qvx"}));
  EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(SaveOpenTest, OpenGivesBackItemsAndFieldsInReplaceAndJoinMode) {
  editor_.fields.setDescr = u"First line\r\nsecond line";
  ASSERT_TRUE(Save());
  PlainEditor opened;
  opened.fields.pluginName = u"other";
  opened.items = ListOf({MakeItem(u"old", u"", u"0x1", u"1", u"255", u"1", u"0", u"1")});
  Open(opened, Package());
  EXPECT_EQ(opened.items.All(), editor_.items.All());
  EXPECT_EQ(opened.clears, 1);
  EXPECT_EQ(opened.fields.pluginName, u"my_tweak");
  EXPECT_EQ(opened.fields.setName, u"Plugin name");
  EXPECT_EQ(opened.fields.setDescr, u"First linesecond line");
  EXPECT_EQ(opened.fields.setUid, u"00000");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "temp"));

  opened.join = true;
  Open(opened, Package());
  EXPECT_EQ(opened.items.Count(), 6u);
  EXPECT_EQ(opened.clears, 1);
  EXPECT_EQ(prompts_.messages, std::vector<std::string>{"Готово!"});
}

TEST_F(SaveOpenTest, PackagesThatCannotBeParsed) {
  ASSERT_TRUE(Save());
  const auto upper = dir_ / "x.QVX";
  std::filesystem::copy_file(Package(), upper);
  // A package with only the repository file, and one whose descriptor names a file elsewhere.
  const auto loose = dir_ / "loose";
  std::filesystem::create_directory(loose);
  WriteRepository(loose / "fac00000.cre", u"00000", editor_.items);
  WriteDescriptor(loose / "evil.plg", u"n", u"d", u"/../../x");
  const auto build = [&](const char* name, const std::vector<std::filesystem::path>& files) {
    WritePackage(dir_ / name, files);
    return dir_ / name;
  };
  const auto noDescriptor = build("nodescriptor.qvx", {loose / "fac00000.cre"});
  const auto evil = build("evil.qvx", {loose / "evil.plg", loose / "fac00000.cre"});
  const auto missing = dir_ / "missing.qvx";
  for (const auto& path : {upper, std::filesystem::path(), noDescriptor, evil, missing}) {
    SCOPED_TRACE(path.string());
    PlainEditor opened;
    opened.items = ThreeItems();
    prompts_.messages.clear();
    Open(opened, path);
    EXPECT_EQ(prompts_.messages, std::vector<std::string>{"Cant parse plugin file!"});
    EXPECT_EQ(opened.items.All(), ThreeItems().All());
    EXPECT_EQ(opened.clears, 0);
  }
  EXPECT_EQ(std::filesystem::file_size(missing), 22u);  // the new empty package stays
}

TEST_F(SaveOpenTest, TheTemporaryFolderIsClearedOfStaleReadOnlyAndLinkedFiles) {
  ASSERT_TRUE(Save());
  const auto temp = dir_ / "temp";
  std::filesystem::create_directories(temp / "stale" / "deeper");
  WriteFile(temp / "stale" / "deeper" / "old.plg", "stale");
  WriteFile(temp / "readonly.txt", "r");
  std::filesystem::permissions(temp / "readonly.txt", std::filesystem::perms::owner_read);
  const auto outside = dir_ / "outside";
  std::filesystem::create_directory(outside);
  WriteFile(outside / "keep.txt", "keep");
#ifndef _WIN32  // the Windows runtime of mingw-w64 cannot make links
  std::filesystem::create_directory_symlink(outside, temp / "link");
#endif
  PlainEditor opened;
  Open(opened, Package());
  EXPECT_EQ(opened.items.All(), editor_.items.All());
  EXPECT_FALSE(std::filesystem::exists(temp));
  EXPECT_EQ(ReadFile(outside / "keep.txt"), "keep");
}

}  // namespace
}  // namespace pw::test
