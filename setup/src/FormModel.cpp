#include "FormModel.h"

#include <stdexcept>
#include <utility>

namespace setup {

Component::Component(Form& owner, std::string name, std::string className, Component* parent)
    : owner_(owner),
      name_(std::move(name)),
      className_(std::move(className)),
      parent_(parent),
      font_(owner.FontOf(parent)) {}

void Component::Notify(Prop p) {
  owner_.NotifyChanged(this, p);
}

void Component::SetTag(std::int32_t v) {
  if (tag_ == v) return;
  tag_ = v;
  Notify(Prop::Tag);
}

void Component::SetCaption(std::u16string v) {
  if (caption_ == v) return;
  caption_ = std::move(v);
  Notify(Prop::Caption);
}

void Component::SetHint(std::u16string v) {
  if (hint_ == v) return;
  hint_ = std::move(v);
  Notify(Prop::Hint);
}

void Component::SetParentFont(bool v) {
  if (parentFont_ != v) {
    parentFont_ = v;
    Notify(Prop::ParentFont);
  }
  if (v) InheritFont(owner_.FontOf(parent_));
}

void Component::InheritFont(const Font& f) {
  if (!parentFont_) return;
  if (font_ != f) {
    font_ = f;
    Notify(Prop::Font);
  }
  // Children that follow this control's font follow it on.
  for (std::size_t i = 0; i < owner_.ComponentCount(); ++i) {
    Component& c = owner_.ComponentAt(i);
    if (c.Parent() == this) c.InheritFont(font_);
  }
}

void Component::SetFont(const Font& f) {
  bool changed = font_ != f;
  font_ = f;
  if (parentFont_) {
    parentFont_ = false;
    Notify(Prop::ParentFont);
  }
  if (changed) Notify(Prop::Font);
  for (std::size_t i = 0; i < owner_.ComponentCount(); ++i) {
    Component& c = owner_.ComponentAt(i);
    if (c.Parent() == this) c.InheritFont(font_);
  }
}

void Component::SetFontColor(Color c) {
  Font f = font_;
  f.color = c;
  SetFont(f);
}

void Component::SetColor(Color c) {
  if (color_ == c) return;
  color_ = c;
  Notify(Prop::Color);
}

void Component::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Notify(Prop::Enabled);
}

void Component::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Notify(Prop::Visible);
}

void Component::SetBounds(const setup::Bounds& b) {
  if (bounds_ == b) return;
  bounds_ = b;
  Notify(Prop::Bounds);
}

void Component::SetWidth(int w) {
  setup::Bounds b = bounds_;
  b.width = w;
  SetBounds(b);
}

void Component::SetTabOrder(int v) {
  if (tabOrder_ == v) return;
  tabOrder_ = v;
  Notify(Prop::TabOrder);
}

void Component::SetPicture(std::vector<std::uint8_t> bytes) {
  picture_ = std::move(bytes);
  Notify(Prop::Picture);
}

void Component::SetPages(std::vector<Page> p) {
  if (pages_ == p) return;
  pages_ = std::move(p);
  Notify(Prop::Pages);
}

void Component::SetColumns(std::vector<Column> c) {
  if (columns_ == c) return;
  columns_ = std::move(c);
  Notify(Prop::Columns);
}

void Form::SetCaption(std::u16string v) {
  if (caption_ == v) return;
  caption_ = std::move(v);
  NotifyChanged(nullptr, Prop::Caption);
}

void Form::SetFont(const Font& f) {
  bool changed = font_ != f;
  font_ = f;
  if (changed) NotifyChanged(nullptr, Prop::Font);
  for (auto& c : components_) {
    if (c->Parent() == nullptr) c->InheritFont(font_);
  }
}

Component& Form::Add(std::string name, std::string className, Component* parent) {
  components_.push_back(
      std::make_unique<Component>(*this, std::move(name), std::move(className), parent));
  return *components_.back();
}

Component* Form::Find(std::string_view name) const {
  for (const auto& c : components_) {
    if (c->Name() == name) return c.get();
  }
  return nullptr;
}

Component& Form::Get(std::string_view name) const {
  Component* c = Find(name);
  if (c == nullptr) throw std::out_of_range("no component named " + std::string(name));
  return *c;
}

}  // namespace setup
