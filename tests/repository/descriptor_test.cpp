// The plugin descriptor: golden bytes, line handling both ways, short files and odd names.
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text.h"
#include "repository/descriptor_reader.h"
#include "repository/descriptor_writer.h"
#include "tests/support/error_message.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pw {
namespace {

using test::Bytes;
using test::Concat;
using test::Hex;
using test::Utf16Le;

class DescriptorTest : public test::ScratchFolderTest {};

TEST_F(DescriptorTest, InitialFieldsGiveTheGoldenFile) {
  const auto path = dir_ / "my_tweak.plg";
  WriteDescriptor(path, u"Plugin name", u"Descriprion", u"00000");
  const Bytes expected =
      Concat({Hex("FF FE"), Utf16Le(u"Plugin name\r\nDescriprion\r\nfac00000\r\n")});
  ASSERT_EQ(expected.size(), 74u);
  EXPECT_EQ(test::FileBytes(path), expected);
}

TEST_F(DescriptorTest, WriterJoinsTheDescriptionLines) {
  struct Case {
    std::u16string name, descr, uid;
    std::u16string lines;
  };
  const Case cases[] = {
      {u"P", u"first\r\nsecond\r\n", u"12", u"P\r\nfirstsecond\r\nfac12\r\n"},
      {u"", u"lone\rcr and lone\nlf", u"00000", u"\r\nlone\rcr and lone\nlf\r\nfac00000\r\n"},
      {u"Имя \U0001F600", u"\r\n\r\n", u"", u"Имя \U0001F600\r\n\r\nfac\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.lines));
    const auto path = dir_ / "p.plg";
    WriteDescriptor(path, c.name, c.descr, c.uid);
    EXPECT_EQ(test::FileBytes(path), Concat({Hex("FF FE"), Utf16Le(c.lines)}));
  }
}

TEST_F(DescriptorTest, ReaderFillsTheFieldsAndNamesTheRepositoryFile) {
  struct Case {
    const char* name;
    Bytes content;
    PluginFieldTexts expected;
    std::string repositoryFile;  // empty: no usable name
  };
  const auto marked = [](std::u16string_view text) {
    return Concat({Hex("FF FE"), Utf16Le(text)});
  };
  const auto fields = [](std::u16string setName, std::u16string setDescr, std::u16string setUid) {
    PluginFieldTexts texts;
    texts.pluginName = u"x";
    texts.setName = std::move(setName);
    texts.setDescr = std::move(setDescr);
    texts.setUid = std::move(setUid);
    return texts;
  };
  const Case cases[] = {
      {"written form", marked(u"Name\r\nDescr\r\nfac12345\r\n"),
       fields(u"Name", u"Descr", u"12345"), "fac12345.cre"},
      {"no mark", Utf16Le(u"Name\r\nDescr\r\nfac12345"), fields(u"Name", u"Descr", u"12345"),
       "fac12345.cre"},
      {"lone CR splits the description", marked(u"N\r\nfirst\rsecond\r\nfac00000\r\n"),
       fields(u"N", u"first", u"ond"), "second.cre"},
      {"lone LF and empty lines", marked(u"\n\nfacABC\n"), fields(u"", u"", u"ABC"), "facABC.cre"},
      {"long third line", marked(u"N\r\nD\r\nfac123456789\r\nmore\r\n"),
       fields(u"N", u"D", u"12345"), "fac123456789.cre"},
      {"short third line", marked(u"N\r\nD\r\nfa"), fields(u"N", u"D", u""), "fa.cre"},
      {"odd trailing byte", Concat({marked(u"N\r\nD\r\nfac1"), Hex("41")}),
       fields(u"N", u"D", u"1"), "fac1.cre"},
      {"separator in the name", marked(u"N\r\nD\r\n../../fac1\r\n"), fields(u"N", u"D", u"../fa"),
       ""},
      {"backslash in the name", marked(u"N\r\nD\r\nfac\\x\r\n"), fields(u"N", u"D", u"\\x"), ""},
      {"drive in the name", marked(u"N\r\nD\r\nC:fac\r\n"), fields(u"N", u"D", u"ac"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = dir_ / "x.plg";
    test::WriteFileBytes(path, c.content);
    PluginFieldTexts read;
    const std::filesystem::path repository = ReadDescriptor(path, read);
    EXPECT_EQ(read.pluginName, c.expected.pluginName);
    EXPECT_EQ(read.setName, c.expected.setName);
    EXPECT_EQ(read.setDescr, c.expected.setDescr);
    EXPECT_EQ(read.setUid, c.expected.setUid);
    EXPECT_EQ(repository,
              c.repositoryFile.empty() ? std::filesystem::path() : dir_ / c.repositoryFile);
  }
}

TEST_F(DescriptorTest, ShortDescriptorStopsAtTheMissingLineKeepingEarlierFields) {
  struct Case {
    std::u16string text;
    long long missingLine;
    std::u16string setName, setDescr;
  };
  const Case cases[] = {
      {u"", 0, u"old", u"old"},
      {u"Only\r\n", 1, u"Only", u"old"},
      {u"One\r\nTwo", 2, u"One", u"Two"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.missingLine);
    const auto path = dir_ / "short.plg";
    test::WriteFileBytes(path, Concat({Hex("FF FE"), Utf16Le(c.text)}));
    PluginFieldTexts fields;
    fields.setName = fields.setDescr = fields.setUid = u"old";
    EXPECT_EQ(test::MessageOf<ListIndexError>([&] { ReadDescriptor(path, fields); }),
              "List index out of bounds (" + std::to_string(c.missingLine) + ")");
    EXPECT_EQ(fields.pluginName, u"short");
    EXPECT_EQ(fields.setName, c.setName);
    EXPECT_EQ(fields.setDescr, c.setDescr);
    EXPECT_EQ(fields.setUid, u"old");
  }
}

TEST_F(DescriptorTest, WrittenFieldsReadBack) {
  const auto path = dir_ / std::filesystem::path(u8"Плагин \U0001F600.plg");
  WriteDescriptor(path, u"Имя \U0001F600", u"Line one\r\nline two", u"0A1b2");
  PluginFieldTexts fields;
  EXPECT_EQ(ReadDescriptor(path, fields), dir_ / "fac0A1b2.cre");
  EXPECT_EQ(fields.pluginName, u"Плагин \U0001F600");
  EXPECT_EQ(fields.setName, u"Имя \U0001F600");
  EXPECT_EQ(fields.setDescr, u"Line oneline two");
  EXPECT_EQ(fields.setUid, u"0A1b2");
}

TEST_F(DescriptorTest, MissingDescriptorRaisesTheOpenError) {
  PluginFieldTexts fields;
  EXPECT_THROW(ReadDescriptor(dir_ / "none.plg", fields), FileOpenError);
  EXPECT_EQ(fields.pluginName, u"none");
}

}  // namespace
}  // namespace pw
