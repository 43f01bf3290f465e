// The mask rules of the search: stars, question marks, case, and the closing dot.
#include <gtest/gtest.h>

#include "archive/mask_match.h"

namespace pw {
namespace {

struct MaskCase {
  const char16_t* mask;
  const char16_t* name;
  bool matches;
};

TEST(MaskMatch, Table) {
  const MaskCase cases[] = {
      {u"*.*", u"README", true},  // "*.*" needs no dot
      {u"*.*", u"a.b.c", true},
      {u"*", u"", true},
      {u"*", u"anything.at.all", true},
      {u"", u"x", false},              // an empty mask matches nothing
      {u"*.txt", u"NOTES.TXT", true},  // letters match across case
      {u"*.txt", u"notes.txt.bak", false},
      {u"?.plg", u"a.plg", true},
      {u"?.plg", u"ab.plg", false},
      {u"a*b", u"ab", true},  // a star may stand for nothing
      {u"a*b", u"axxb", true},
      {u"a*b", u"a", false},
      {u"**", u"", false},  // only a lone star matches an empty name
      {u"**", u"x", true},
      {u"x*.*", u"x", true},     // "*.*" after the first one's replacement
      {u"x**.*", u"xyz", true},  // "*.*" after a star takes the rest
      {u"abc", u"abc.", true},   // the name's closing dot is ignored
      {u"abc.", u"abc", true},   // a closing dot asks for no extension
      {u"*.", u"abc", true},
      {u"*.", u"abc.txt", false},
      {u"*.", u"dir.d\\abc", true},  // a dot before the last "\" is no extension
      {u"*.", u"abc.", true},
      {u"f?o*", u"FOO.tar.gz", true},
      {u"\u00e9*", u"\u00c9x", false},  // only A to Z fold
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(MaskMatches(c.mask, c.name), c.matches)
        << "mask " << std::u16string_view(c.mask).size() << " chars, case index " << (&c - cases);
  }
}

TEST(MaskMatch, ManyStarsOnALongNameStayFast) {
  const std::u16string name(60000, u'a');
  EXPECT_FALSE(MaskMatches(u"*a*a*a*a*a*a*a*a*a*a*a*a*b", name));
}

}  // namespace
}  // namespace pw
