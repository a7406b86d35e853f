#pragma once
// The one message routine: every box gets caption text 4164 and leaves the
// error record "TWError.txt" in the current folder.
#include <cstdint>
#include <string>
#include <string_view>

#include "Ports.h"
#include "TextTable.h"

namespace setup {

inline constexpr std::int32_t kMessageCaptionId = 4164;
inline constexpr char16_t kDefaultMessageCaption[] = u"提示信息";
inline constexpr char16_t kErrorRecordName[] = u"TWError.txt";

// The record's bytes: UTF-16LE with byte-order mark, CR LF after each line,
// "ERRORID=<id>" and, for a non-empty text, "ERRORTEXT=<text>".
std::string BuildErrorRecord(std::int32_t id, std::u16string_view text);

// Shows the box and writes the record (also when the box could not be shown).
// Returns the pressed button, 0 when the box was not shown. A record that
// cannot be written raises the file-creation error after the box closed.
std::int32_t ShowMessageText(Ports& ports, TextTable& texts, std::u16string_view text,
                             std::uint32_t flags);

}  // namespace setup
