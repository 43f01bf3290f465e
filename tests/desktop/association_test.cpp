// The file association: the registry value through an in-memory registry, and the XDG files.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "desktop/association_error.h"
#include "desktop/file_association.h"
#include "desktop/registry.h"
#include "desktop/xdg_association.h"
#include "platform/user_prompts.h"

namespace pw {
namespace {

// Keys as paths joined by "\", values by key; can refuse to open one key.
class MemoryRegistry : public Registry {
 public:
  void WriteDefaultValue(const std::vector<std::u16string>& keyPath,
                         const std::u16string& text) override {
    std::u16string key;
    for (const std::u16string& name : keyPath) {
      key += (key.empty() ? u"" : u"\\") + name;
      if (name == refusedKey)
        throw AssociationError();
    }
    values[key] = text;
  }
  std::u16string refusedKey;
  std::map<std::u16string, std::u16string> values;
};

TEST(RegistryAssociation, WritesOneQuotedCommandUnderTheCommandKey) {
  MemoryRegistry registry;
  // A full path of the host's own kind, which the command takes as it is.
#ifdef _WIN32
  const std::filesystem::path program = L"C:\\Program Files\\Qorvix Tools\\plugwright.exe";
  const std::u16string command = u"\"C:\\Program Files\\Qorvix Tools\\plugwright.exe\" \"%1\"";
#else
  const std::filesystem::path program = "/opt/Qorvix Tools/plugwright";
  const std::u16string command = u"\"/opt/Qorvix Tools/plugwright\" \"%1\"";
#endif
  RegisterPackageExtension(registry, program);
  RegisterPackageExtension(registry, program);
  const std::map<std::u16string, std::u16string> expected = {
      {u"Software\\Classes\\.qvx\\shell\\open\\command", command}};
  EXPECT_EQ(registry.values, expected);
}

// The toolkit hands the program path over with slashes; Windows wants its own separator.
TEST(RegistryAssociation, CommandWritesThePathWithTheGivenSeparator) {
  const struct {
    const char* program;
    char16_t separator;
    std::u16string command;
  } cases[] = {
#ifdef _WIN32
      {"C:/Program Files/Qorvix Tools/plugwright.exe", u'\\',
       u"\"C:\\Program Files\\Qorvix Tools\\plugwright.exe\" \"%1\""},
      {"C:\\Tools/pw.exe", u'\\', u"\"C:\\Tools\\pw.exe\" \"%1\""},
#else
      {"/opt/Qorvix Tools/plugwright", u'/', u"\"/opt/Qorvix Tools/plugwright\" \"%1\""},
      {"/opt/Qorvix Tools/plugwright", u'\\', u"\"\\opt\\Qorvix Tools\\plugwright\" \"%1\""},
      {"/c/Program Files\\Qorvix/pw.exe", u'\\', u"\"\\c\\Program Files\\Qorvix\\pw.exe\" \"%1\""},
#endif
  };
  for (const auto& c : cases)
    EXPECT_TRUE(AssociationCommand(c.program, c.separator) == c.command) << c.program;
}

TEST(RegistryAssociation, RefusedKeyWritesNothingAndSaysSo) {
  MemoryRegistry registry;
  registry.refusedKey = u"Software\\Classes";
  try {
    RegisterPackageExtension(registry, "/usr/bin/plugwright");
    FAIL() << "no error";
  } catch (const AssociationError& error) {
    EXPECT_EQ(StandardErrorText(error.what()), "Failed to set data for ''");
  }
  EXPECT_TRUE(registry.values.empty());
}

// Desktop entries and MIME types are for the desktops of Linux and the BSDs.
#ifndef _WIN32

TEST(XdgAssociation, ExecLineQuotesAndEscapesThePath) {
  const struct {
    const char* program;
    const char* exec;
  } cases[] = {
      {"/usr/bin/plugwright", "\"/usr/bin/plugwright\" %f"},
      {"/opt/My Tools/pw", "\"/opt/My Tools/pw\" %f"},
      {"/a\"b/$c`d/100%/pw", "\"/a\\\\\"b/\\\\$c\\\\`d/100%%/pw\" %f"},
      {"/back\\slash/pw", "\"/back\\\\\\\\slash/pw\" %f"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DesktopExecLine(c.program), c.exec) << c.program;
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class XdgAssociationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ =
        std::filesystem::temp_directory_path() /
        ("pw_xdg_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(root_);
    folders_ = {root_ / "data", root_ / "config"};
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::filesystem::path root_;
  XdgFolders folders_;
};

TEST_F(XdgAssociationTest, WritesTypeEntryAndDefaultKeepingOtherSettings) {
  std::filesystem::create_directories(folders_.configHome);
  std::ofstream(folders_.configHome / "mimeapps.list")
      << "[Added Associations]\ntext/plain=editor.desktop;\n\n[Default Applications]\n"
         "application/x-qorvix-plugin=old.desktop\nimage/png=viewer.desktop\n";
  RegisterWithXdg(folders_, "/opt/pw/plugwright");
  const std::string mimeApps = Read(folders_.configHome / "mimeapps.list");
  RegisterWithXdg(folders_, "/opt/pw/plugwright");
  EXPECT_EQ(Read(folders_.configHome / "mimeapps.list"), mimeApps);
  EXPECT_EQ(mimeApps,
            "[Added Associations]\ntext/plain=editor.desktop;\n\n[Default Applications]\n"
            "application/x-qorvix-plugin=qorvix-plugwright.desktop\nimage/png=viewer.desktop\n");
  const std::string entry = Read(folders_.dataHome / "applications" / "qorvix-plugwright.desktop");
  EXPECT_NE(entry.find("\nExec=\"/opt/pw/plugwright\" %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-qorvix-plugin;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=plugwright\n"), std::string::npos);
  const std::string type = Read(folders_.dataHome / "mime" / "packages" / "qorvix-plugwright.xml");
  EXPECT_NE(type.find("<glob pattern=\"*.qvx\"/>"), std::string::npos);
}

TEST_F(XdgAssociationTest, FailureHalfWayLeavesNothingBehind) {
  std::filesystem::create_directories(root_);
  std::ofstream(folders_.configHome) << "a file where the config folder should be";
  EXPECT_THROW(RegisterWithXdg(folders_, "/opt/pw/plugwright"), AssociationError);
  EXPECT_FALSE(
      std::filesystem::exists(folders_.dataHome / "applications" / "qorvix-plugwright.desktop"));
  EXPECT_FALSE(
      std::filesystem::exists(folders_.dataHome / "mime" / "packages" / "qorvix-plugwright.xml"));
}

#endif

}  // namespace
}  // namespace pw
