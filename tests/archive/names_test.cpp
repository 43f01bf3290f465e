// Entry names: code-page bytes or UTF-8 with flag 0x0800, the 254-byte cap, the Unicode
// name field that carries every name whole, and the decoding of names from other archivers.
#include <gtest/gtest.h>

#include "archive/entry_names.h"
#include "archive/name_decoding.h"
#include "platform/text.h"
#include "tests/support/file_bytes.h"
#include "tests/support/package_files.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/zip_peer.h"

namespace pw::test {
namespace {

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i)
    out += piece;
  return out;
}

struct NameCase {
  const char* label;
  std::string name;      // UTF-8 of the stored name
  std::string bytes;     // name bytes in both headers (host defaults: ANSI 1252, OEM 437)
  bool utf8;             // flag 0x0800
  std::string peerName;  // what zipfile reads from those bytes
};

std::vector<NameCase> Cases() {
  return {
      {"ascii", "my_tweak.plg", "my_tweak.plg", false, "my_tweak.plg"},
      {"oem", "caf\xC3\xA9 d\xC3\xA9j\xC3\xA0.plg", "caf\x82 d\x82j\x85.plg", false,
       "caf\xC3\xA9 d\xC3\xA9j\xC3\xA0.plg"},
      {"cyrillic", "\xD0\xBF\xD0\xBB\xD0\xB0\xD0\xB3\xD0\xB8\xD0\xBD.plg",
       "\xD0\xBF\xD0\xBB\xD0\xB0\xD0\xB3\xD0\xB8\xD0\xBD.plg", true,
       "\xD0\xBF\xD0\xBB\xD0\xB0\xD0\xB3\xD0\xB8\xD0\xBD.plg"},
      {"mixed", "\xC3\xA9\xE2\x98\x83.cre", "\xC3\xA9\xE2\x98\x83.cre", true,
       "\xC3\xA9\xE2\x98\x83.cre"},
      // 255 bytes of UTF-8 lose the last character; 127 two-byte letters stay.
      {"cap 255", Repeat("\xD0\x96", 127) + "a", Repeat("\xD0\x96", 127), true,
       Repeat("\xD0\x96", 127)},
      {"cap three-byte", Repeat("\xE3\x83\x84", 85), Repeat("\xE3\x83\x84", 84), true,
       Repeat("\xE3\x83\x84", 84)},
  };
}

class NamesTest : public ScratchFolderTest {};

TEST_F(NamesTest, BytesFlagsAndUnicodeFieldInBothHeaders) {
  for (const NameCase& c : Cases()) {
    SCOPED_TRACE(c.label);
    const std::u16string name = Utf8ToUtf16(c.name);
    const EntryNameBytes encoded = EncodeEntryName(name, true);
    EXPECT_EQ(encoded.bytes, c.bytes);
    EXPECT_EQ(encoded.utf8, c.utf8);

    const auto source = dir_ / std::filesystem::path(std::u8string(c.name.begin(), c.name.end()));
    WriteFile(source, c.label);
    const auto package = dir_ / "names.qvx";
    WritePackage(package, {source});

    const std::string zip = ReadFile(package);
    const size_t n = c.bytes.size();
    const size_t extra = 2 * name.size() + 12;
    const size_t central = 30 + n + extra + std::string(c.label).size();
    const uint16_t flags = c.utf8 ? 0x0800 : 0;
    EXPECT_EQ(U16At(zip, 6), flags);
    EXPECT_EQ(U16At(zip, central + 8), flags);
    EXPECT_EQ(zip.substr(30, n), c.bytes);
    EXPECT_EQ(zip.substr(central + 46, n), c.bytes);
    ASSERT_EQ(U16At(zip, 28), extra);
    const std::string field = zip.substr(30 + n, extra);
    EXPECT_EQ(field, zip.substr(central + 46 + n, extra));
    EXPECT_EQ(field.substr(0, 2), "NU");
    EXPECT_EQ(U16At(field, 2), extra - 4);
    EXPECT_EQ(field.substr(4, 4), "NUCX");
    EXPECT_EQ(U32At(field, 8), name.size());
    for (size_t i = 0; i < name.size(); ++i)
      EXPECT_EQ(U16At(field, 12 + 2 * i), name[i]);
    EXPECT_EQ(PeerCheck(package, {{c.peerName, source}}), "OK");
    std::filesystem::remove(source);
  }
}

TEST_F(NamesTest, StoredNameIsTheFileNameWithoutOneTrailingDot) {
  EXPECT_EQ(StoredFileName("/a/b/my_tweak.plg"), u"my_tweak.plg");
  EXPECT_EQ(StoredFileName("/a/b/name."), u"name");
  EXPECT_EQ(StoredFileName("/a/b/name.."), u"name.");
}

TEST_F(NamesTest, WithoutOemFileNamesTheBytesStayAnsi) {
  const EntryNameBytes encoded = EncodeEntryName(u"caf\u00E9.plg", false);
  EXPECT_EQ(encoded.bytes, "caf\xE9.plg");
  EXPECT_FALSE(encoded.utf8);
}

// Names without the Unicode name field, as other archivers store them (host defaults: ANSI 1252,
// OEM 437). The CP437 letters have no place in Windows-1252, so any detour through it loses them.
TEST(NameDecoding, StoredBytesDecodeAsUtf8OrStraightFromTheOemCodePage) {
  const struct {
    const char* label;
    std::string bytes;
    uint16_t flags;
    bool utf8Test;  // false in the recovery scan
    std::u16string name;
  } cases[] = {
      {"CP437 Greek", "\xE0\xE2\xE3\xE4.txt", 0, true, u"\u03B1\u0393\u03C0\u03A3.txt"},
      {"CP437 box letters", "\xC9\xCD\xBB \xC8\xCD\xBC", 0, true,
       u"\u2554\u2550\u2557 \u255A\u2550\u255D"},
      {"CP437 accents, ill-formed as UTF-8", "r\x82sum\x82 \x8E.txt", 0, true,
       u"r\u00E9sum\u00E9 \u00C4.txt"},
      {"UTF-8 lead byte without its continuation", "\xC7_a.txt", 0, true, u"\u255F_a.txt"},
      {"unflagged UTF-8, composed", "\xC3\xA9t\xC3\xA9.txt", 0, true, u"\u00E9t\u00E9.txt"},
      {"unflagged UTF-8, decomposed", "e\xCC\x81\xE6\x97\xA5.txt", 0, true, u"e\u0301\u65E5.txt"},
      {"flagged UTF-8", "\xD0\x96\xF0\x9F\x98\x80", 0x0800, true, u"\u0416\U0001F600"},
      {"flagged but ill-formed reads as ANSI", "caf\xE9", 0x0800, true, u"caf\u00E9"},
      {"recovery scan: OEM without the UTF-8 test", "\xC3\xA9\xE0", 0, false,
       u"\u251C\u2310\u03B1"},
      {"plain ASCII", "my_tweak.plg", 0, true, u"my_tweak.plg"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Utf16ToUtf8(DecodeEntryName(c.bytes, c.flags, true, c.utf8Test)),
              Utf16ToUtf8(c.name));
  }
}

}  // namespace
}  // namespace pw::test
