#include <gtest/gtest.h>

#include "Errors.h"
#include "Localize.h"
#include "SimWorld.h"

namespace setup {
namespace {

using testing::SimWorld;
using testing::Utf16Le;

struct LocalizeFixture : ::testing::Test {
  SimWorld w;
  TextTable t{w.cp};
  Form f{"F"};
  void SetUp() override {
    t.SetTextPrefix("GBC_");
    t.LoadFromBytes(Utf16Le(
        u"GBC_00000606=footer\r\nGBC_HINT_00000606=footer hint\r\nGBC_00000000=zero\r\n"
        u"GBC_00000001=page one\r\nGBC_HINT_00000003=hint three\r\nGBC_00000064=grid title\r\n"
        u"GBC_00000010=memo#13#10text\r\nGBC_00000020=form"));
  }
};

TEST_F(LocalizeFixture, CaptionRowsAndClassMatching) {
  f.SetTag(0x20);
  Component& label = f.Add("L", "TTntLabel");
  label.SetTag(1542);
  label.SetCaption(u"design");
  label.SetHint(u"design hint");
  Component& missing = f.Add("M", "TtntLabel");  // class matched without letter case
  missing.SetTag(1543);
  missing.SetCaption(u"kept");
  missing.SetHint(u"kept hint");
  Component& zero = f.Add("Z", "TTntCheckBox");
  zero.SetCaption(u"z");
  Component& derived = f.Add("D", "TMyLabel");  // not in the table
  derived.SetTag(1542);
  derived.SetCaption(u"untouched");
  derived.SetFontColor(kClGray);
  Component& button = f.Add("B", "TLPButton");
  button.SetTag(1542);
  button.SetFontColor(0x123456);
  Component& edit = f.Add("E", "TLPEdit");
  edit.SetTag(1542);
  edit.SetText(u"path");
  edit.SetFontColor(kClGray);

  Font big{u"SimSun", 12, 134, kClWindowText};
  f.SetFont(big);
  LocalizeForm(f, t, w.system);

  EXPECT_EQ(f.Caption(), u"form");
  EXPECT_EQ(label.Caption(), u"footer");
  EXPECT_EQ(label.Hint(), u"footer hint");
  EXPECT_EQ(missing.Caption(), u"kept");
  EXPECT_EQ(missing.Hint(), u"kept hint");
  EXPECT_EQ(zero.Caption(), u"zero");
  EXPECT_EQ(derived.Caption(), u"untouched");
  EXPECT_FALSE(derived.ParentFont());
  EXPECT_EQ(button.Caption(), u"footer");
  EXPECT_EQ(button.GetFont().color, 3878553u);
  EXPECT_EQ(button.GetFont().name, u"SimSun");  // took the form's font first
  EXPECT_EQ(edit.Text(), u"path");              // flat edit boxes are not localised
  EXPECT_FALSE(edit.ParentFont());
}

TEST(ComboWidth, HalvesGoToTheEvenNeighbour) {
  struct Case {
    int width, dpi, expected;
  } cases[] = {{100, 120, 125}, {100, 96, 100}, {101, 144, 152},
               {99, 144, 148},  {1, 48, 0},     {3, 48, 2}};
  for (const auto& c : cases) EXPECT_EQ(ScaleComboWidth(c.width, c.dpi), c.expected);
}

TEST_F(LocalizeFixture, ComboPagesMemoListViewAndGrid) {
  w.system.SetScreenPixelsPerInchY(144);
  Component& combo = f.Add("C", "TLPComboBox");
  combo.SetBounds({0, 0, 101, 20});
  Component& pages = f.Add("P", "TTntPageControl");
  pages.SetCaption(u"own");
  pages.SetPages({{1, u"a", u"ha", false}, {2, u"b", u"hb", false}, {3, u"c", u"hc", false}});
  Component& memo = f.Add("Me", "TTntMemo");
  memo.SetTag(0x10);
  Component& rich = f.Add("R", "TTntRichEdit");
  rich.SetTag(0x11);
  rich.SetText(u"line1\r\nline2");
  Component& list = f.Add("LV", "TTntListView");
  list.SetColumns({{1, u"c1", {}}, {5, u"c5", {}}});
  Component& grid = f.Add("G", "TTntDBGrid");
  grid.SetColumns({{0, u"t", {u"100", u"x"}}});

  LocalizeForm(f, t, w.system);
  EXPECT_EQ(combo.GetBounds().width, 152);
  EXPECT_EQ(pages.Caption(), u"own");
  ASSERT_EQ(pages.Pages().size(), 3u);
  EXPECT_EQ(pages.Pages()[0].caption, u"page one");
  EXPECT_EQ(pages.Pages()[1].caption, u"b");
  EXPECT_EQ(pages.Pages()[2].hint, u"hint three");
  EXPECT_TRUE(pages.Pages()[2].parentFont);
  EXPECT_EQ(memo.Text(), u"memo\r\ntext");
  EXPECT_EQ(rich.Text(), u"line1\r\nline2\r\n");  // whole text: each line ends in CR LF
  EXPECT_EQ(list.Columns()[0].caption, u"page one");
  EXPECT_EQ(list.Columns()[1].caption, u"c5");
  EXPECT_EQ(grid.Columns()[0].caption, u"grid title");
}

TEST_F(LocalizeFixture, GridColumnWithoutAnIdStopsTheWalk) {
  for (auto pick : {std::vector<std::u16string>{}, std::vector<std::u16string>{u"abc"}}) {
    Form g("G");
    Component& grid = g.Add("G", "TTntDBGrid");
    grid.SetColumns({{0, u"t", pick}});
    Component& after = g.Add("L", "TTntLabel");
    after.SetTag(1542);
    EXPECT_THROW(LocalizeForm(g, t, w.system), PlatformError);
    EXPECT_EQ(after.Caption(), u"");
  }
}

}  // namespace
}  // namespace setup
