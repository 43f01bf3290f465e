// The ANSI and OEM code pages: defaults, the environment's choice, what does not convert.
#include "platform/code_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pw {
namespace {

// Windows takes its code pages from the system, not the environment: win32_code_pages_test.cpp.
#ifndef _WIN32

// Sets the two code-page variables for one scope and restores them afterwards.
class ScopedCodePages {
 public:
  ScopedCodePages(const char* ansi, const char* oem) {
    Save("PLUGWRIGHT_ANSI_CODEPAGE", ansi);
    Save("PLUGWRIGHT_OEM_CODEPAGE", oem);
  }
  ~ScopedCodePages() {
    for (const auto& [name, value] : saved_) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }

 private:
  void Save(const std::string& name, const char* value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value)
      ::setenv(name.c_str(), value, 1);
    else
      ::unsetenv(name.c_str());
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(CodePages, DefaultsAreWindows1252AndCp437) {
  ScopedCodePages pages(nullptr, nullptr);
  EXPECT_EQ(AnsiCodePage(), 1252);
  EXPECT_EQ(OemCodePage(), 437);
  EXPECT_EQ(Utf16ToAnsi(u"caf\u00E9 \u20AC"), "caf\xE9 \x80");
  EXPECT_EQ(AnsiToUtf16("caf\xE9 \x80"), u"caf\u00E9 \u20AC");
  EXPECT_EQ(AnsiToOemBytes("caf\xE9"), "caf\x82");
  EXPECT_EQ(OemToUtf16("caf\x82"), u"caf\u00E9");
  // OEM letters that Windows-1252 lacks keep their own characters on the way to UTF-16.
  EXPECT_EQ(OemToUtf16("\xE0\xE2\xC9\xCD\xBB"), u"\u03B1\u0393\u2554\u2550\u2557");
}

TEST(CodePages, MissingCharactersBecomeQuestionMarks) {
  ScopedCodePages pages(nullptr, nullptr);
  EXPECT_EQ(Utf16ToAnsi(u"a\u0416b\U0001F600c"), "a?b?c");
  EXPECT_EQ(AnsiToOemBytes("\x80"), "?");  // the euro sign has no place in CP437
  // Bytes that Windows-1252 leaves undefined read as the characters of the same number.
  EXPECT_EQ(AnsiToUtf16("\x81\x8D"), u"\u0081\u008D");
}

TEST(CodePages, TheEnvironmentChoosesOthers) {
  ScopedCodePages pages("1251", "866");
  EXPECT_EQ(AnsiCodePage(), 1251);
  EXPECT_EQ(OemCodePage(), 866);
  EXPECT_EQ(Utf16ToAnsi(u"\u041F\u0440\u0438\u0432\u0435\u0442"), "\xCF\xF0\xE8\xE2\xE5\xF2");
  EXPECT_EQ(AnsiToOemBytes("\xCF\xF0\xE8\xE2\xE5\xF2"), "\x8F\xE0\xA8\xA2\xA5\xE2");
  EXPECT_EQ(OemToUtf16("\x8F\xE0\xA8\xA2\xA5\xE2"), u"\u041F\u0440\u0438\u0432\u0435\u0442");
}

TEST(CodePages, UnknownOrMalformedChoicesFallBackToTheDefaults) {
  ScopedCodePages pages("99999", "cp866");
  EXPECT_EQ(AnsiCodePage(), 1252);
  EXPECT_EQ(OemCodePage(), 437);
}

#endif

}  // namespace
}  // namespace pw
