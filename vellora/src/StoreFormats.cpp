#include "StoreFormats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vellora {
namespace {

constexpr int kSignificantDigits = 17;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips white space and an optional sign; returns true for a minus.
bool TakeSign(std::string_view text, std::size_t& i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
  return false;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::optional<std::string> FormatHundredths(double value, std::int32_t measure) {
  double v = value * 100;
  if (measure == kMeasureMillimetres) v *= kInchesPerMillimetre;
  if (!std::isfinite(v)) return std::nullopt;

  // d.dddddddddddddddde±x: 17 significant digits, correctly rounded and
  // independent of the C locale.
  char buf[48];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                           kSignificantDigits - 1);
  std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e))
    if (IsDigit(c)) digits += c;
  int exponent = 0;
  std::string_view exp = text.substr(e + 1);
  if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), exponent);

  // The units digit sits at index `exponent` of `digits`.
  std::string whole;
  char firstFraction = '0';
  if (exponent >= 0) {
    auto units = static_cast<std::size_t>(exponent);
    if (units + 1 <= digits.size()) {
      whole = digits.substr(0, units + 1);
      if (units + 1 < digits.size()) firstFraction = digits[units + 1];
    } else {
      whole = digits + std::string(units + 1 - digits.size(), '0');
    }
  } else if (exponent == -1) {
    firstFraction = digits[0];
  }
  if (firstFraction >= '5') Increment(whole);
  std::size_t nonZero = whole.find_first_not_of('0');
  return nonZero == std::string::npos ? std::string() : whole.substr(nonZero);
}

double ParseLength(std::string_view text) {
  std::size_t i = 0;
  bool negative = TakeSign(text, i);
  std::size_t start = i;
  std::size_t intDigits = 0, fracDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++intDigits;
  std::size_t end = i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++fracDigits;
    if (intDigits + fracDigits > 0) end = i;
  }
  if (intDigits + fracDigits == 0) return 0;
  const std::size_t mantissaEnd = end;

  // An exponent counts only with at least one digit after the letter and
  // its sign.
  long long exponent = 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    bool expNegative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) {
        if (exponent < 1000000) exponent = exponent * 10 + (text[j] - '0');
        ++j;
      }
      if (expNegative) exponent = -exponent;
      end = j;
    }
  }

  double v = 0;
  auto res = std::from_chars(text.data() + start, text.data() + end, v);
  if (res.ec == std::errc::result_out_of_range) {
    // Overflow or underflow, told apart by the decimal magnitude: the
    // position of the first significant digit relative to the point.
    std::string_view mant = text.substr(start, mantissaEnd - start);
    std::size_t point = std::min(mant.find('.'), mant.size());
    std::size_t firstSig = mant.find_first_of("123456789");
    long long magnitude = exponent;
    if (firstSig < point)
      magnitude += static_cast<long long>(point - firstSig) - 1;
    else if (firstSig != std::string_view::npos)
      magnitude -= static_cast<long long>(firstSig - point);
    v = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -v : v;
}

std::int32_t ParseInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = TakeSign(text, i);
  long long v = 0;
  constexpr long long kLimit = 1LL << 32;
  while (i < text.size() && IsDigit(text[i])) {
    if (v < kLimit) v = v * 10 + (text[i] - '0');
    ++i;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

std::string FormatInteger(std::int32_t value) {
  return std::to_string(value);
}

}  // namespace vellora
