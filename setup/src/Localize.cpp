#include "Localize.h"

#include <cfenv>
#include <cmath>

#include "Convert.h"
#include "Errors.h"

namespace setup {
namespace {

void CaptionAndHint(Component& c, TextTable& texts) {
  c.SetCaption(texts.FetchText(c.Tag(), c.Caption()));
  c.SetHint(texts.FetchHintText(c.Tag(), c.Hint()));
}

std::int32_t GridColumnId(const Column& col) {
  if (col.pickList.empty()) throw PlatformError(u"List index out of bounds (0)");
  const std::u16string& first = col.pickList.front();
  // A decimal integer only.
  auto v = TextToInt(first);
  bool decimal = !first.empty();
  for (char16_t ch : TrimBlanks(first))
    if (!(ch >= u'0' && ch <= u'9') && ch != u'-' && ch != u'+') decimal = false;
  if (!v || !decimal) throw PlatformError(u"'" + first + u"' is not a valid integer value");
  return *v;
}

}  // namespace

int ScaleComboWidth(int width, int dpi) {
  // The product wraps as a 32-bit integer would; the division is in floating
  // point, rounded to nearest with halves to even.
  auto product = static_cast<std::int32_t>(static_cast<std::int64_t>(width) * dpi);
  std::fesetround(FE_TONEAREST);
  return static_cast<int>(std::nearbyint(static_cast<double>(product) / 96.0));
}

void LocalizeForm(Form& form, TextTable& texts, plat::SystemInfo& system) {
  form.SetCaption(texts.FetchText(form.Tag(), form.Caption()));
  for (std::size_t i = 0; i < form.ComponentCount(); ++i) {
    Component& c = form.ComponentAt(i);
    std::u16string cls(c.ClassName().begin(), c.ClassName().end());
    cls = UpperAscii(cls);
    bool known = cls == u"TTNTLABEL" || cls == u"TLPBUTTON" || cls == u"TLPCOMBOBOX" ||
                 cls == u"TTNTGROUPBOX" || cls == u"TTNTRADIOBUTTON" || cls == u"TTNTCHECKBOX" ||
                 cls == u"TTNTPAGECONTROL" || cls == u"TTNTMEMO" || cls == u"TTNTRICHEDIT" ||
                 cls == u"TTNTSPEEDBUTTON" || cls == u"TTNTLISTVIEW" || cls == u"TTNTDBGRID";
    if (!known) continue;
    c.SetParentFont(true);
    if (cls == u"TLPBUTTON") {
      CaptionAndHint(c, texts);
      c.SetFontColor(kFlatButtonCaptionColor);
    } else if (cls == u"TLPCOMBOBOX") {
      c.SetWidth(ScaleComboWidth(c.GetBounds().width, system.ScreenPixelsPerInchY()));
    } else if (cls == u"TTNTPAGECONTROL") {
      std::vector<Page> pages = c.Pages();
      for (auto& p : pages) {
        p.parentFont = true;
        p.caption = texts.FetchText(p.tag, p.caption);
        p.hint = texts.FetchHintText(p.tag, p.hint);
      }
      c.SetPages(std::move(pages));
    } else if (cls == u"TTNTMEMO" || cls == u"TTNTRICHEDIT") {
      // The whole text: every line followed by CR LF.
      std::u16string whole;
      std::u16string_view text = c.Text();
      std::size_t pos = 0;
      while (pos < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", pos);
        if (end == std::u16string_view::npos) end = text.size();
        whole.append(text.substr(pos, end - pos)).append(u"\r\n");
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
          ++end;
        pos = end + 1;
      }
      c.SetText(texts.FetchText(c.Tag(), whole));
      c.SetHint(texts.FetchHintText(c.Tag(), c.Hint()));
    } else if (cls == u"TTNTLISTVIEW") {
      std::vector<Column> cols = c.Columns();
      for (auto& col : cols) col.caption = texts.FetchText(col.tag, col.caption);
      c.SetColumns(std::move(cols));
    } else if (cls == u"TTNTDBGRID") {
      std::vector<Column> cols = c.Columns();
      for (auto& col : cols) {
        std::int32_t id;
        try {
          id = GridColumnId(col);
        } catch (...) {
          c.SetColumns(cols);  // the columns done so far keep their texts
          throw;
        }
        col.caption = texts.FetchText(id, col.caption);
      }
      c.SetColumns(std::move(cols));
    } else {
      CaptionAndHint(c, texts);
    }
  }
}

}  // namespace setup
