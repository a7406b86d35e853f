#pragma once
// The text formats of the page-setup store: length text (hundredths of an
// inch), integer text and boolean text, written and read back. Pure logic.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellora {

// Unit switch of the length puts: this value selects millimetres, every
// other value inches.
inline constexpr std::int32_t kMeasureMillimetres = 1;
// Millimetres to inches, as the control has always converted them.
inline constexpr double kInchesPerMillimetre = 0.03937;

// Length text for `value` in the caller's unit: hundredths of an inch,
// rounded half away from zero on the 17-significant-digit decimal expansion,
// magnitude only; empty text when it rounds to 0. nullopt for a value with
// no decimal expansion (infinite or not a number).
std::optional<std::string> FormatHundredths(double value, std::int32_t measure);

// Reads a decimal number the way the store's texts are read: leading white
// space, an optional sign, the longest decimal number with fraction and
// exponent; the rest is ignored, no number gives 0.
double ParseLength(std::string_view text);

// Likewise for integers (digits only); saturates at the 32-bit range.
std::int32_t ParseInteger(std::string_view text);

std::string FormatInteger(std::int32_t value);

inline constexpr std::string_view kTrueText = "true";
inline constexpr std::string_view kFalseText = "false";
inline std::string_view FormatBoolean(bool v) {
  return v ? kTrueText : kFalseText;
}
// Only the exact text "true" reads as true.
inline bool ParseBoolean(std::string_view text) {
  return text == kTrueText;
}

}  // namespace vellora
