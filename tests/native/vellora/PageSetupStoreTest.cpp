#include <gtest/gtest.h>

#include "PageSetupStore.h"
#include "StoreFixture.h"

namespace vellora {
namespace {

using test::kIeKey;
using test::kOwnKey;

class PageSetupStoreTest : public ::testing::Test {
 protected:
  test::SimWindows win;
  sim::SimRegistry& reg = win.reg;
};

TEST_F(PageSetupStoreTest, WritesRegSzWithItsNulAndReadsItBack) {
  WriteStoreText(reg, "header", "abc");
  EXPECT_EQ(reg.Type(kOwnKey, "header"), plat::kRegSz);
  EXPECT_EQ(reg.Text(kOwnKey, "header"), "abc");
  EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "header"), "abc");
  WriteStoreText(reg, "header", std::string_view("x\0y", 3));  // the text ends at its NUL
  EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "header"), "x");
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PageSetupStoreTest, MissingOrUnreadableValuesReadEmpty) {
  EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "header"), "");  // no key
  reg.PutText(kOwnKey, "footer", "f");
  EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "header"), "");  // no value
  reg.Fail(sim::RegOp::Query, "footer", plat::kErrAccessDenied);
  EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "footer"), "");
  reg.PutDword(kOwnKey, "copies", 0x00333231);  // the type is not checked
  EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "copies"), "123");
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PageSetupStoreTest, ReadsTextsLongerThanTheFirstBufferWhole) {
  for (std::size_t n : {253u, 254u, 255u, 256u, 4000u}) {
    std::string text(n, 'x');
    text.back() = 'E';
    WriteStoreText(reg, "header", text);
    EXPECT_EQ(ReadStoreText(reg, kControlKeyPath, "header"), text) << n;
  }
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PageSetupStoreTest, WriteFailuresAreSwallowed) {
  reg.Fail(sim::RegOp::Create, "Ormsby", plat::kErrAccessDenied);
  WriteStoreText(reg, "header", "abc");
  EXPECT_FALSE(reg.KeyExists(kOwnKey));
  reg.ClearFailures();
  reg.Fail(sim::RegOp::Set, "header", plat::kErrAccessDenied);
  WriteStoreText(reg, "header", "abc");
  EXPECT_EQ(reg.Text(kOwnKey, "header"), std::nullopt);
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PageSetupStoreTest, ClearStoreRemovesNestedSubkeysAndTheKeyButNotTheBrowserKey) {
  reg.PutText(kOwnKey, "copies", "3");
  reg.PutText(kOwnKey + "\\a", "v", "1");
  reg.PutText(kOwnKey + "\\a\\deep", "v", "1");
  reg.PutText(kOwnKey + "\\b", "v", "1");
  reg.PutText(kIeKey, "margin_top", "0.75");
  ClearStore(reg);
  EXPECT_FALSE(reg.KeyExists(kOwnKey));
  EXPECT_TRUE(reg.KeyExists("HKCU\\Software\\Microsoft\\Internet Explorer\\Ormsby Company"));
  EXPECT_EQ(reg.Text(kIeKey, "margin_top"), "0.75");
  EXPECT_EQ(reg.OpenHandles(), 0u);
  ClearStore(reg);  // nothing there: nothing happens
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PageSetupStoreTest, ClearStoreStepsOverASubkeyItCannotDelete) {
  reg.PutText(kOwnKey + "\\stuck", "v", "1");
  reg.PutText(kOwnKey + "\\loose", "v", "1");
  reg.PutText(kOwnKey + "\\closed\\inner", "v", "1");
  reg.Fail(sim::RegOp::DeleteKey, "\\stuck", plat::kErrAccessDenied);
  reg.Fail(sim::RegOp::Open, "\\closed", plat::kErrAccessDenied);
  ClearStore(reg);  // ends: no endless walk over "stuck"
  EXPECT_EQ(reg.SubKeys(kOwnKey), (std::vector<std::string>{"stuck", "closed"}));
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(PageSetupStoreTest, ClearStoreOnAKeyThatCannotBeOpenedDoesNothing) {
  reg.PutText(kOwnKey + "\\a", "v", "1");
  reg.Fail(sim::RegOp::Open, "PageSetup", plat::kErrAccessDenied);
  ClearStore(reg);
  EXPECT_TRUE(reg.KeyExists(kOwnKey + "\\a"));
}

}  // namespace
}  // namespace vellora
