#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "FormModel.h"
#include "SetupForm.h"

namespace setup {
namespace {

struct Recorder : FormObserver {
  std::vector<std::pair<Component*, Prop>> changes;
  void Changed(Component* c, Prop what) override { changes.emplace_back(c, what); }
};

TEST(FormModel, NotifiesOnlyRealChanges) {
  Form f("F");
  Component& b = f.Add("B", "TLPButton");
  Recorder r;
  f.SetObserver(&r);
  b.SetCaption(u"x");
  b.SetCaption(u"x");
  b.SetEnabled(false);
  b.SetEnabled(false);
  f.SetCaption(u"t");
  ASSERT_EQ(r.changes.size(), 3u);
  EXPECT_EQ(r.changes[0], std::make_pair(&b, Prop::Caption));
  EXPECT_EQ(r.changes[1], std::make_pair(&b, Prop::Enabled));
  EXPECT_EQ(r.changes[2], std::make_pair(static_cast<Component*>(nullptr), Prop::Caption));
}

TEST(FormModel, ParentFontFollowsThroughContainers) {
  Form f("F");
  Component& group = f.Add("G", "TTntGroupBox");
  Component& inner = f.Add("E", "TLPEdit", &group);
  Component& own = f.Add("L", "TTntLabel");
  own.SetFontColor(kClGray);  // an own font stops following the form
  EXPECT_FALSE(own.ParentFont());

  Font big{u"SimSun", 12, 134, kClWindowText};
  f.SetFont(big);
  EXPECT_EQ(group.GetFont(), big);
  EXPECT_EQ(inner.GetFont(), big);
  EXPECT_NE(own.GetFont(), big);

  own.SetParentFont(true);
  EXPECT_EQ(own.GetFont(), big);
}

TEST(SetupForm, ControlTable) {
  auto f = BuildSetupForm();
  EXPECT_EQ(f->ClientWidth(), 509);
  EXPECT_EQ(f->ClientHeight(), 291);
  struct Row {
    const char* name;
    const char* cls;
    const char* parent;
    Bounds b;
    int tab;
    std::int32_t tag;
  };
  const Row rows[] = {
      {"Image1", "TImage", nullptr, {0, 0, 509, 105}, -1, 0},
      {"LbProducts", "TTntLabel", nullptr, {36, 114, 470, 17}, -1, 0},
      {"GroupBox", "TTntGroupBox", nullptr, {20, 139, 469, 54}, 3, 0},
      {"LbPath", "TLPEdit", "GroupBox", {13, 24, 361, 19}, 1, 0},
      {"Button1", "TLPButton", "GroupBox", {382, 17, 72, 27}, 0, 1539},
      {"Button2", "TLPButton", nullptr, {150, 204, 87, 27}, 0, 1540},
      {"Button3", "TLPButton", nullptr, {272, 204, 88, 27}, 1, 1541},
      {"Panel1", "TPanel", nullptr, {0, 247, 509, 44}, 2, 0},
  };
  ASSERT_EQ(f->ComponentCount(), 11u);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const Component& c = f->ComponentAt(i);
    SCOPED_TRACE(r.name);
    EXPECT_EQ(c.Name(), r.name);
    EXPECT_EQ(c.ClassName(), r.cls);
    EXPECT_EQ(c.Parent(), r.parent ? f->Find(r.parent) : nullptr);
    EXPECT_EQ(c.GetBounds(), r.b);
    EXPECT_EQ(c.TabOrder(), r.tab);
    EXPECT_EQ(c.Tag(), r.tag);
  }
  for (const char* b : {"Button1", "Button2", "Button3"}) {
    const Component& c = f->Get(b);
    EXPECT_EQ(c.GetColor(), 15526891u);
    EXPECT_EQ(c.Style().activeColor, 15526891u);
    EXPECT_EQ(c.Style().borderColor, kClGray);
    EXPECT_TRUE(c.Style().gradient);
    EXPECT_EQ(c.Style().isDefault, std::string(b) == "Button2");
  }
  const Component& path = f->Get("LbPath");
  EXPECT_TRUE(path.Style().readOnly);
  EXPECT_FALSE(path.Style().hideSelection);
  EXPECT_EQ(path.GetColor(), kClBtnFace);
  EXPECT_EQ(path.Style().borderColor, kClBtnFace);
  for (const char* l : {"Label2", "Label3", "Label6"}) {
    EXPECT_EQ(f->Get(l).Parent(), f->Find("Panel1"));
    EXPECT_TRUE(f->Get(l).Style().autoSize);
  }
  EXPECT_EQ(f->Get("Label3").GetBounds().left, 285);
  EXPECT_TRUE(f->Get("Label3").Style().handCursor);
  EXPECT_EQ(f->Get("LbProducts").Style().alignment, TextAlign::Right);
}

}  // namespace
}  // namespace setup
