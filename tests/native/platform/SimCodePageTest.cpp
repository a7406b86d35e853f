#include <gtest/gtest.h>

#include "SimCodePage.h"

TEST(SimCodePage, RoundTripsChineseIn936AndReplacesWhat1252Lacks) {
  sim::SimCodePage cp(936);
  auto gbk = cp.FromUtf16(936, u"无默认打印机");
  ASSERT_TRUE(gbk);
  EXPECT_EQ(gbk->size(), 12u);
  EXPECT_EQ(cp.ToUtf16(936, *gbk).value(), u"无默认打印机");
  EXPECT_EQ(cp.FromUtf16(1252, u"a无b").value(), "a?b");
  EXPECT_EQ(cp.FromUtf16(936, u"x\uD55Cy").value(), "x?y");
  EXPECT_FALSE(cp.FromUtf16(12345, u"a"));
}
