#include "Messages.h"

#include "Errors.h"

namespace setup {
namespace {

void AppendUtf16Le(std::string& out, std::u16string_view s) {
  for (char16_t c : s) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
}

std::u16string Decimal(std::int32_t v) {
  std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

}  // namespace

std::string BuildErrorRecord(std::int32_t id, std::u16string_view text) {
  std::string out = "\xFF\xFE";
  AppendUtf16Le(out, u"ERRORID=" + Decimal(id) + u"\r\n");
  if (!text.empty()) {
    AppendUtf16Le(out, u"ERRORTEXT=");
    AppendUtf16Le(out, text);
    AppendUtf16Le(out, u"\r\n");
  }
  return out;
}

std::int32_t ShowMessageText(Ports& ports, TextTable& texts, std::u16string_view text,
                             std::uint32_t flags) {
  // The record names the message's own text: take it before the caption
  // fetch replaces the last fetched text.
  std::int32_t recordId = texts.LastTextId();
  std::u16string recordText = texts.LastText();
  std::u16string caption = texts.FetchText(kMessageCaptionId, kDefaultMessageCaption);
  std::int32_t result = ports.dialogs.ShowMessageBox(text, caption, flags);
  std::uint32_t rc = ports.files.WriteAll(kErrorRecordName, BuildErrorRecord(recordId, recordText));
  if (rc != 0) {
    std::u16string where = ports.files.CurrentDirectory();
    if (!where.empty() && where.back() != u'\\') where.push_back(u'\\');
    throw PlatformError(u"Cannot create file \"" + where + kErrorRecordName + u"\" (error " +
                        Decimal(static_cast<std::int32_t>(rc)) + u")");
  }
  return result;
}

}  // namespace setup
