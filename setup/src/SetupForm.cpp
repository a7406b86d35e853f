#include "SetupForm.h"

namespace setup {

namespace {

Component& AddButton(Form& f, const char* name, Component* parent, Bounds b, std::int32_t tag,
                     int tabOrder, const char16_t* caption) {
  Component& c = f.Add(name, "TLPButton", parent);
  c.SetBounds(b);
  c.SetTag(tag);
  c.SetTabOrder(tabOrder);
  c.SetCaption(caption);
  c.SetColor(kSetupButtonFace);
  c.Style().borderColor = kClGray;
  c.Style().activeColor = kSetupButtonFace;
  c.Style().gradient = true;
  return c;
}

Component& AddFooterLabel(Form& f, const char* name, Component* panel, int left, int top,
                          const char16_t* caption) {
  Component& c = f.Add(name, "TTntLabel", panel);
  c.SetBounds({left, top, 0, 13});
  c.SetTabOrder(-1);
  c.SetCaption(caption);
  c.Style().autoSize = true;
  c.Style().transparent = true;
  return c;
}

}  // namespace

std::unique_ptr<Form> BuildSetupForm() {
  auto form = std::make_unique<Form>("SetupFrm");
  Form& f = *form;
  f.SetClientSize(kSetupClientWidth, kSetupClientHeight);
  f.SetCaption(u"Setup");

  Component& image = f.Add("Image1", "TImage");
  image.SetBounds({0, 0, kSetupClientWidth, 105});
  image.SetTabOrder(-1);
  image.Style().align = Align::Top;
  image.Style().stretch = true;

  Component& products = f.Add("LbProducts", "TTntLabel");
  products.SetBounds({36, 114, 470, 17});
  products.SetTabOrder(-1);
  products.SetCaption(u"Quillmark");
  products.SetFontColor(kClBlack);
  products.Style().alignment = TextAlign::Right;
  products.Style().autoSize = false;
  products.Style().transparent = true;

  Component& group = f.Add("GroupBox", "TTntGroupBox");
  group.SetBounds({20, 139, 469, 54});
  group.SetTabOrder(3);
  group.SetCaption(u"Target folder");

  Component& path = f.Add("LbPath", "TLPEdit", &group);
  path.SetBounds({13, 24, 361, 19});
  path.SetTabOrder(1);
  path.SetColor(kClBtnFace);
  path.Style().readOnly = true;
  path.Style().bevels = false;
  path.Style().ctl3d = false;
  path.Style().borderColor = kClBtnFace;
  path.Style().activeColor = kClBtnFace;
  path.Style().hideSelection = false;

  AddButton(f, "Button1", &group, {382, 17, 72, 27}, 1539, 0, u"&Browse...");
  AddButton(f, "Button2", nullptr, {150, 204, 87, 27}, 1540, 0, u"&Install").Style().isDefault =
      true;
  AddButton(f, "Button3", nullptr, {272, 204, 88, 27}, 1541, 1, u"Cancel");

  Component& panel = f.Add("Panel1", "TPanel");
  panel.SetBounds({0, 247, kSetupClientWidth, 44});
  panel.SetTabOrder(2);
  panel.Style().align = Align::Bottom;
  panel.Style().bevels = false;

  AddFooterLabel(f, "Label2", &panel, 270, 9, u"Quillmark");
  AddFooterLabel(f, "Label3", &panel, 285, 26, u"www.quillmark.example").Style().handCursor = true;
  AddFooterLabel(f, "Label6", &panel, 437, 26, u"");
  return form;
}

}  // namespace setup
