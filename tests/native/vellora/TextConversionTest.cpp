#include <gtest/gtest.h>

#include "SimCodePage.h"
#include "TextConversion.h"

namespace vellora {
namespace {

TEST(TextConversion, ThreadAnsiCodePage936) {
  sim::SimCodePage cp(936);
  EXPECT_EQ(ToAnsi(cp, u"页眉 第1页"),
            "\xD2\xB3\xC3\xBC \xB5\xDA"
            "1\xD2\xB3");
  EXPECT_EQ(FromAnsi(cp, ToAnsi(cp, u"页眉 第1页")), u"页眉 第1页");
  EXPECT_EQ(ToAnsi(cp, u"a한b"), "a?b");  // Hangul is not in GBK
  EXPECT_EQ(ToAnsi(cp, std::nullopt), "");
  EXPECT_EQ(FromAnsi(cp, ""), u"");
  EXPECT_EQ(FromAnsi(cp, "\xFF\xFF"), std::nullopt);  // not GBK: a null string
}

TEST(TextConversion, AnUnknownCodePageGivesEmptyPutsAndNullGets) {
  sim::SimCodePage cp(12345);
  EXPECT_EQ(ToAnsi(cp, u"abc"), "");
  EXPECT_EQ(FromAnsi(cp, "abc"), std::nullopt);
}

}  // namespace
}  // namespace vellora
