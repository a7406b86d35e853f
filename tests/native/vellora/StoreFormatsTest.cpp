#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "StoreFormats.h"

namespace vellora {
namespace {

struct HundredthsCase {
  double value;
  std::int32_t measure;
  const char* text;
};

TEST(FormatHundredths, RoundsTheSeventeenDigitExpansionHalfAwayFromZero) {
  const HundredthsCase cases[] = {
      {0.75, 0, "75"},     // inches
      {19.05, 1, "75"},    // 74.999850000000009
      {210, 1, "827"},     // 826.77
      {297, 1, "1169"},    // 1169.289
      {0.006, 0, "1"},     // 0.6
      {0.004, 0, ""},      // 0.4 rounds to nothing
      {-0.25, 0, "25"},    // the sign is dropped
      {0, 1, ""},          //
      {-0.0, 0, ""},       //
      {0.1, 1, ""},        // 0.3937
      {0.005, 0, "1"},     // 0.5 exactly: away from zero
      {-0.005, 0, "1"},    //
      {0.025, 0, "3"},     // 2.5
      {0.75, 2, "75"},     // any measure but 1 is inches
      {-10, 0, "1000"},    //
      {9.995, 0, "999"},   // 999.49999999999989 stays below
      {9.996, 0, "1000"},  // carry through every digit
      {1e18, 0, "100000000000000000000"},
      {1e-300, 0, ""},
      {25.4, 1, "100"},  // 99.9998
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatHundredths(c.value, c.measure), std::optional<std::string>(c.text))
        << c.value << " measure " << c.measure;
}

TEST(FormatHundredths, HasNoTextForValuesWithoutADecimalExpansion) {
  EXPECT_EQ(FormatHundredths(std::numeric_limits<double>::infinity(), 0), std::nullopt);
  EXPECT_EQ(FormatHundredths(std::nan(""), 1), std::nullopt);
  EXPECT_EQ(FormatHundredths(1e307, 0), std::nullopt);  // overflows on the way to hundredths
}

TEST(ParseLength, TakesTheLongestLeadingDecimalNumber) {
  const std::pair<const char*, double> cases[] = {
      {"75", 75},
      {"  0.75", 0.75},
      {"\t\n-1.5x", -1.5},
      {"+2.", 2},
      {".5", 0.5},
      {"1e2", 100},
      {"1E+2mm", 100},
      {"2.5e-1", 0.25},
      {"3e", 3},
      {"3e+", 3},
      {"abc", 0},
      {"", 0},
      {".", 0},
      {"-", 0},
      {"- 1", 0},
      {"0x10", 0},
      {"inf", 0},
      {"12 34", 12},
      {"1e999", INFINITY},
      {"-1e999", -INFINITY},
      {"1e-999", 0},
      {"0.000001e-400", 0},
      {"1,5", 1},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(ParseLength(text), want) << '"' << text << '"';
}

TEST(ParseInteger, TakesDigitsOnlyAndHoldsTo32Bits) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"3", 3},
      {"3 copies", 3},
      {" -1", -1},
      {"+7", 7},
      {"a", 0},
      {"", 0},
      {"2.9", 2},
      {"1e3", 1},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"99999999999999999999", INT32_MAX},
      {"-99999999999999999999", INT32_MIN},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(ParseInteger(text), want) << '"' << text << '"';
}

TEST(StoreFormats, BooleansAndIntegersReadBackExactly) {
  EXPECT_EQ(FormatInteger(-1), "-1");
  EXPECT_EQ(FormatInteger(INT32_MIN), "-2147483648");
  EXPECT_TRUE(ParseBoolean(FormatBoolean(true)));
  EXPECT_FALSE(ParseBoolean(FormatBoolean(false)));
  for (const char* t : {"TRUE", "true ", " true", "True", "1", ""})
    EXPECT_FALSE(ParseBoolean(t)) << t;
}

}  // namespace
}  // namespace vellora
