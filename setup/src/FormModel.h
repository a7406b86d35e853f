#pragma once
// The form model: a form owning its components in order, each with the
// properties the installer's logic reads and writes (class name, Tag,
// caption, hint, font, colours, state, bounds, tab order). The logic works
// only on this model; a realisation (real windows on Win32) subscribes to
// its change notifications and mirrors every change.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// Colours are Windows COLORREF values (0x00BBGGRR). Values with the high bit
// set name a system colour by its GetSysColor index in the low byte.
using Color = std::uint32_t;
inline constexpr Color kSysColorFlag = 0x80000000u;
inline constexpr Color kClBtnFace = kSysColorFlag | 15;    // COLOR_BTNFACE
inline constexpr Color kClWindowText = kSysColorFlag | 8;  // COLOR_WINDOWTEXT
inline constexpr Color kClWindow = kSysColorFlag | 5;      // COLOR_WINDOW
inline constexpr Color kClBlack = 0x000000u;
inline constexpr Color kClGray = 0x808080u;
inline constexpr Color kClWhite = 0xFFFFFFu;
constexpr bool IsSystemColor(Color c) {
  return (c & kSysColorFlag) != 0;
}
constexpr int SystemColorIndex(Color c) {
  return static_cast<int>(c & 0xFFu);
}

struct Font {
  std::u16string name = u"MS Sans Serif";
  int size = 8;              // points
  std::uint8_t charset = 1;  // DEFAULT_CHARSET
  Color color = kClWindowText;
  bool operator==(const Font&) const = default;
};

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Bounds&) const = default;
};

enum class Align { None, Top, Bottom, Left, Right, Client };
enum class TextAlign { Left, Right, Center };

// What changed, for observers.
enum class Prop {
  Caption,  // caption, or the text of an edit or memo
  Hint,
  Tag,
  ParentFont,
  Font,
  Color,
  Enabled,
  Visible,
  Bounds,
  TabOrder,
  Picture,
  Pages,    // page-control pages
  Columns,  // list-view or grid columns
};

// A page of a page control.
struct Page {
  std::int32_t tag = 0;
  std::u16string caption;
  std::u16string hint;
  bool parentFont = false;
  bool operator==(const Page&) const = default;
};

// A list-view column: Tag and caption. A data-grid column: its pick list
// (whose first line names the title's text) and title caption.
struct Column {
  std::int32_t tag = 0;
  std::u16string caption;
  std::vector<std::u16string> pickList;
  bool operator==(const Column&) const = default;
};

// Settings fixed at design time; a realisation reads them once.
struct Style {
  Align align = Align::None;
  TextAlign alignment = TextAlign::Left;
  bool autoSize = false;
  bool transparent = false;
  bool handCursor = false;
  bool readOnly = false;
  bool isDefault = false;     // default push button (Enter)
  bool hideSelection = true;  // edit: selection hidden without focus
  bool stretch = false;       // picture
  bool bevels = true;         // edit or panel bevels
  bool ctl3d = true;
  bool gradient = false;        // flat push button
  Color borderColor = kClGray;  // flat controls
  Color activeColor = kClBtnFace;
};

class Form;
class Component;

// Receives every change made through the model's setters. `c` is null when
// the form itself changed.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void Changed(Component* c, Prop what) = 0;
};

class Component {
 public:
  Component(Form& owner, std::string name, std::string className, Component* parent);
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  Form& Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  const std::string& ClassName() const { return className_; }
  // The container this control sits in; null for the form's client area.
  Component* Parent() const { return parent_; }

  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t v);
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string v);
  // Edits and memos hold their text in the caption.
  const std::u16string& Text() const { return caption_; }
  void SetText(std::u16string v) { SetCaption(std::move(v)); }
  const std::u16string& Hint() const { return hint_; }
  void SetHint(std::u16string v);

  // ParentFont := true takes the parent's (or form's) font now and follows
  // later changes of it; setting an own font clears ParentFont.
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  void SetFontColor(Color c);

  Color GetColor() const { return color_; }
  void SetColor(Color c);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  const setup::Bounds& GetBounds() const { return bounds_; }
  void SetBounds(const setup::Bounds& b);
  void SetWidth(int w);
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int v);

  // Picture bytes (an encoded image); empty = the built-in picture.
  const std::vector<std::uint8_t>& Picture() const { return picture_; }
  void SetPicture(std::vector<std::uint8_t> bytes);

  const std::vector<Page>& Pages() const { return pages_; }
  void SetPages(std::vector<Page> p);
  const std::vector<Column>& Columns() const { return columns_; }
  void SetColumns(std::vector<Column> c);

  setup::Style& Style() { return style_; }
  const setup::Style& Style() const { return style_; }

  // Called by the form when a parent's font changed.
  void InheritFont(const Font& f);

 private:
  void Notify(Prop p);

  Form& owner_;
  std::string name_;
  std::string className_;
  Component* parent_;
  std::int32_t tag_ = 0;
  std::u16string caption_;
  std::u16string hint_;
  bool parentFont_ = true;
  Font font_;
  Color color_ = kClBtnFace;
  bool enabled_ = true;
  bool visible_ = true;
  setup::Bounds bounds_;
  int tabOrder_ = 0;
  std::vector<std::uint8_t> picture_;
  std::vector<Page> pages_;
  std::vector<Column> columns_;
  setup::Style style_;
};

class Form {
 public:
  explicit Form(std::string name) : name_(std::move(name)) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t v) { tag_ = v; }
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string v);
  const Font& GetFont() const { return font_; }
  // Also reaches every component that follows its parent's font.
  void SetFont(const Font& f);
  Color GetColor() const { return color_; }
  void SetColor(Color c) { color_ = c; }
  // Client area size.
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientSize(int w, int h) {
    clientWidth_ = w;
    clientHeight_ = h;
  }

  // Creates a component owned by this form, appended to the component order.
  Component& Add(std::string name, std::string className, Component* parent = nullptr);
  std::size_t ComponentCount() const { return components_.size(); }
  Component& ComponentAt(std::size_t i) const { return *components_[i]; }
  // Null when no component has that name.
  Component* Find(std::string_view name) const;
  // Like Find, for names the code relies on; throws std::out_of_range.
  Component& Get(std::string_view name) const;

  // One observer at a time; null detaches.
  void SetObserver(FormObserver* o) { observer_ = o; }
  void NotifyChanged(Component* c, Prop p) {
    if (observer_ != nullptr) observer_->Changed(c, p);
  }

  // The font a child of `parent` (null = the form) inherits.
  const Font& FontOf(const Component* parent) const {
    return parent != nullptr ? parent->GetFont() : font_;
  }

 private:
  std::string name_;
  std::int32_t tag_ = 0;
  std::u16string caption_;
  Font font_;
  Color color_ = kClBtnFace;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  std::vector<std::unique_ptr<Component>> components_;
  FormObserver* observer_ = nullptr;
};

}  // namespace setup
