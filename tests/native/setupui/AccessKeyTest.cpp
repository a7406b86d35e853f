#include <gtest/gtest.h>

#include "AccessKey.h"

TEST(StripAccessKeys, RemovesMarkersAndFindsTheKey) {
  struct Case {
    std::u16string caption;
    std::u16string shown;
    int underline;
  };
  const Case cases[] = {
      {u"&Install", u"Install", 0},
      {u"Br&owse", u"Browse", 2},
      {u"A&&B", u"A&B", -1},
      {u"&&&Save", u"&Save", 1},
      {u"x&", u"x", -1},
      {u"安装(&I)", u"安装(I)", 3},
      {u"&a&b", u"ab", 0},
      {u"", u"", -1},
  };
  for (const Case& c : cases) {
    const setup::ShownCaption s = setup::StripAccessKeys(c.caption);
    EXPECT_EQ(s.text, c.shown);
    EXPECT_EQ(s.underline, c.underline);
  }
}
