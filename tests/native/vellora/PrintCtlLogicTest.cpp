#include <gtest/gtest.h>

#include "PageSetupStore.h"
#include "PrintCtlLogic.h"
#include "StoreFixture.h"

namespace vellora {
namespace {

using test::kIeKey;
using test::kOwnKey;

class PrintCtlLogicTest : public ::testing::Test {
 protected:
  test::SimWindows win;
  PrintCtlLogic ctl{win.services()};
  sim::SimRegistry& reg = win.reg;
};

using LengthGet = double (PrintCtlLogic::*)() const;
using LengthPut = void (PrintCtlLogic::*)(double);
struct LengthMember {
  const char* value;
  LengthGet get;
  LengthPut put;
};
const LengthMember kLengths[] = {
    {"margin_top", &PrintCtlLogic::marginTop, &PrintCtlLogic::put_marginTop},
    {"margin_left", &PrintCtlLogic::marginLeft, &PrintCtlLogic::put_marginLeft},
    {"margin_bottom", &PrintCtlLogic::marginBottom, &PrintCtlLogic::put_marginBottom},
    {"margin_right", &PrintCtlLogic::marginRight, &PrintCtlLogic::put_marginRight},
    {"page_width", &PrintCtlLogic::pageWidth, &PrintCtlLogic::put_pageWidth},
    {"page_height", &PrintCtlLogic::pageHeight, &PrintCtlLogic::put_pageHeight},
};

TEST_F(PrintCtlLogicTest, AFreshProfileReadsZeroFalseAndEmpty) {
  for (const auto& m : kLengths) EXPECT_EQ((ctl.*m.get)(), 0) << m.value;
  EXPECT_EQ(ctl.copies(), 0);
  EXPECT_EQ(ctl.pageFrom(), 0);
  EXPECT_EQ(ctl.pageTo(), 0);
  EXPECT_FALSE(ctl.selectedPages());
  EXPECT_FALSE(ctl.currentPage());
  EXPECT_EQ(ctl.header(), u"");  // empty, not null
  EXPECT_EQ(ctl.footer(), u"");
  EXPECT_EQ(ctl.zoomValue(), u"");
  EXPECT_EQ(ctl.orientation(), 0);
  EXPECT_EQ(ctl.paperSize(), u"");
  EXPECT_EQ(ctl.paperSource(), u"");
  EXPECT_EQ(ctl.prevWidth(), -1);
  EXPECT_EQ(ctl.prevHeight(), -1);
  EXPECT_FALSE(reg.KeyExists(kOwnKey));  // gets never create the key
}

TEST_F(PrintCtlLogicTest, LengthPutsStoreHundredthsOfAnInchInTheChosenUnit) {
  struct Case {
    std::optional<std::int32_t> measure;  // nullopt: the default, millimetres
    double value;
    const char* stored;
    double read;  // with the browser key holding 0.5 inch
  };
  const Case cases[] = {
      {std::nullopt, 19.05, "75", 75}, {1, 0.1, "", 50}, {0, 0.75, "75", 75}, {2, 0.75, "75", 75},
      {3, -10, "1000", 1000},          {3, 0, "", 50},
  };
  for (const auto& m : kLengths) {
    for (const auto& c : cases) {
      test::SimWindows w;
      w.reg.PutText(kIeKey, m.value, "0.5");
      PrintCtlLogic fresh(w.services());
      if (c.measure) fresh.SetMarginMeasure(*c.measure);
      (fresh.*m.put)(c.value);
      EXPECT_EQ(w.reg.Text(kOwnKey, m.value), c.stored) << m.value << " " << c.value;
      EXPECT_EQ((fresh.*m.get)(), c.read) << m.value << " " << c.value;
    }
  }
}

TEST_F(PrintCtlLogicTest, LengthGetsFallBackToTheBrowserOnlyForEmptyText) {
  reg.PutText(kIeKey, "margin_top", "0.5");
  reg.PutText(kOwnKey, "margin_top", "75");
  EXPECT_EQ(ctl.marginTop(), 75);
  ctl.InitPrint();
  EXPECT_EQ(ctl.marginTop(), 50);
  reg.PutText(kOwnKey, "margin_top", "");
  reg.PutText(kIeKey, "margin_top", "0.75");
  EXPECT_EQ(ctl.marginTop(), 75);
  reg.PutText(kOwnKey, "margin_top", "abc");
  EXPECT_EQ(ctl.marginTop(), 0);
  ctl.put_marginTop(std::numeric_limits<double>::quiet_NaN());  // no length text: kept
  EXPECT_EQ(reg.Text(kOwnKey, "margin_top"), "abc");
}

TEST_F(PrintCtlLogicTest, IntegersAndBooleansRoundTripWithoutFallback) {
  ctl.put_copies(-1);
  ctl.put_pageFrom(2);
  ctl.put_pageTo(INT32_MAX);
  EXPECT_EQ(reg.Text(kOwnKey, "copies"), "-1");
  EXPECT_EQ(ctl.copies(), -1);
  EXPECT_EQ(ctl.pageFrom(), 2);
  EXPECT_EQ(ctl.pageTo(), INT32_MAX);
  reg.PutText(kOwnKey, "copies", "3 copies");
  EXPECT_EQ(ctl.copies(), 3);
  reg.PutText(kOwnKey, "copies", "x");
  EXPECT_EQ(ctl.copies(), 0);
  reg.PutText(kIeKey, "copies", "5");  // no browser fallback for integers
  reg.PutText(kOwnKey, "copies", "");
  EXPECT_EQ(ctl.copies(), 0);

  ctl.put_selectedPages(true);
  ctl.put_currentPage(false);
  EXPECT_EQ(reg.Text(kOwnKey, "selectedpages"), "true");
  EXPECT_EQ(reg.Text(kOwnKey, "currentpage"), "false");
  EXPECT_TRUE(ctl.selectedPages());
  EXPECT_FALSE(ctl.currentPage());
  for (const char* t : {"TRUE", "true ", "1"}) {
    reg.PutText(kOwnKey, "selectedpages", t);
    EXPECT_FALSE(ctl.selectedPages()) << t;
  }
}

TEST_F(PrintCtlLogicTest, InitPrintEmptiesTheStoreButNotTheObject) {
  ctl.put_copies(2);
  ctl.put_header(u"H");
  ctl.put_zoomValue(u"75");
  ctl.put_selectedPages(true);
  ctl.put_marginLeft(10);
  ctl.put_orientation(2);
  ctl.put_paperSize(u"A4");
  ctl.put_prevWidth(800);
  reg.PutText(kIeKey, "margin_left", "0.25");
  reg.PutText(kIeKey, "orientation", "1");
  ctl.InitPrint();
  EXPECT_FALSE(reg.KeyExists(kOwnKey));
  EXPECT_EQ(ctl.copies(), 0);
  EXPECT_EQ(ctl.header(), u"");
  EXPECT_EQ(ctl.zoomValue(), u"");
  EXPECT_FALSE(ctl.selectedPages());
  EXPECT_EQ(ctl.marginLeft(), 25);
  EXPECT_EQ(ctl.orientation(), 2);
  EXPECT_EQ(ctl.paperSize(), u"A4");
  EXPECT_EQ(ctl.prevWidth(), 800);
  ctl.InitPrint();  // on a missing store
  EXPECT_FALSE(reg.KeyExists(kOwnKey));
}

TEST_F(PrintCtlLogicTest, ObjectFieldsWithBrowserFallback) {
  reg.PutText(kIeKey, "orientation", "2");
  reg.PutText(kIeKey, "paper_size", "Letter");
  reg.PutText(kIeKey, "paper_source", "\xD7\xD4\xB6\xAF");  // 自动
  EXPECT_EQ(ctl.orientation(), 2);
  EXPECT_EQ(ctl.paperSize(), u"Letter");
  EXPECT_EQ(ctl.paperSource(), u"自动");
  ctl.put_orientation(0);
  ctl.put_paperSize(u"A4");
  ctl.put_paperSource(u"纸盒1");
  EXPECT_EQ(ctl.orientation(), 0);
  EXPECT_EQ(ctl.paperSize(), u"A4");
  EXPECT_EQ(ctl.paperSource(), u"纸盒1");
  EXPECT_EQ(ctl.paperSourceText(),
            "\xD6\xBD\xBA\xD0"
            "1");
  ctl.put_orientation(-3);
  ctl.put_paperSize(std::nullopt);
  EXPECT_EQ(ctl.orientation(), 2);
  EXPECT_EQ(ctl.paperSize(), u"Letter");
  EXPECT_FALSE(reg.KeyExists(kOwnKey));  // none of these touch the store

  for (std::int32_t v : {0, -1, INT32_MIN}) {
    ctl.put_prevWidth(v);
    ctl.put_prevHeight(v);
    EXPECT_EQ(ctl.prevWidth(), -1);
    EXPECT_EQ(ctl.prevHeight(), -1);
  }
  ctl.put_prevWidth(1);
  ctl.put_prevHeight(600);
  EXPECT_EQ(ctl.prevWidth(), 1);
  EXPECT_EQ(ctl.prevHeight(), 600);
}

TEST_F(PrintCtlLogicTest, TextsAtCodePage936) {
  ctl.put_header(u"第&p页，共&P页");
  EXPECT_EQ(ctl.header(), u"第&p页，共&P页");
  ctl.put_footer(u"a한b");  // not in GBK: the default character
  EXPECT_EQ(reg.Text(kOwnKey, "footer"), "a?b");
  EXPECT_EQ(ctl.footer(), u"a?b");
  ctl.put_zoomValue(std::nullopt);
  EXPECT_EQ(reg.Text(kOwnKey, "zoom"), "");
  // Bytes that are not GBK read back as a null string.
  plat::HKey k = 0;
  ASSERT_EQ(reg.OpenKey(plat::kCurrentUser, kControlKeyPath, plat::Access::Write, k), 0);
  reg.SetValue(k, "header", plat::kRegBinary, "\xFF\xFF");
  reg.CloseKey(k);
  EXPECT_EQ(ctl.header(), std::nullopt);
}

TEST_F(PrintCtlLogicTest, TwoInstancesShareTheStore) {
  PrintCtlLogic other(win.services());
  ctl.put_header(u"H");
  ctl.put_marginTop(25.4);
  EXPECT_EQ(other.header(), u"H");
  EXPECT_EQ(other.marginTop(), 100);
}

TEST_F(PrintCtlLogicTest, PrinterPutsSetTheDefaultPrinter) {
  EXPECT_EQ(ctl.printer(), u"无默认打印机");
  EXPECT_EQ(ctl.defaultPrinterName(), u"");
  ctl.put_printer(u"HP LaserJet 4");
  EXPECT_EQ(win.profile.Value("windows", "device"), "HP LaserJet 4,winspool;");
  EXPECT_EQ(ctl.defaultPrinterName(), u"HP LaserJet 4");
  EXPECT_EQ(ctl.printer(), u"HP LaserJet 4");
  ctl.put_defaultPrinterName(u"激光打印机");
  EXPECT_EQ(ctl.printer(), u"激光打印机");
  ctl.put_printer(u"");
  ctl.put_defaultPrinterName(std::nullopt);
  EXPECT_EQ(ctl.defaultPrinterName(), u"激光打印机");
}

class PaperFormRulesTest : public PrintCtlLogicTest {
 protected:
  void SetUp() override {
    win.spooler.AddPrinter("P1");
    ctl.put_printer(u"P1");
  }
  std::vector<std::string> FormCalls() {
    std::vector<std::string> ops;
    for (const auto& c : win.spooler.Calls())
      if (c.op == "set" || c.op == "add") ops.push_back(c.op);
    win.spooler.ClearCalls();
    return ops;
  }
};

TEST_F(PaperFormRulesTest, FormIsMadeOnceAllThreeAreGivenAndUpdatedAfter) {
  ctl.put_paperSize(u"Custom");
  ctl.put_pageWidth(210.7);
  EXPECT_TRUE(FormCalls().empty());
  ctl.put_pageHeight(297);
  EXPECT_EQ(FormCalls(), (std::vector<std::string>{"set", "add"}));
  plat::FormInfo want;
  want.name = "Custom";
  want.width = want.right = 210000;
  want.height = want.bottom = 297000;
  EXPECT_EQ(win.spooler.Forms("P1").at("Custom"), want);
  EXPECT_EQ(reg.Text(kOwnKey, "page_width"), "830");
  EXPECT_EQ(reg.Text(kOwnKey, "page_height"), "1169");
  ctl.put_paperSize(u"Custom");
  EXPECT_EQ(FormCalls(), (std::vector<std::string>{"set"}));
  ctl.put_pageWidth(0);  // the value being put is not itself checked
  EXPECT_EQ(FormCalls(), (std::vector<std::string>{"set"}));
  ctl.put_paperSize(u"");  // the width field is 0 now: no form
  EXPECT_TRUE(FormCalls().empty());
  EXPECT_EQ(win.spooler.OpenHandles(), 0u);
}

TEST_F(PaperFormRulesTest, PaperSizeAloneTouchesNoFormAndInchesStayMillimetres) {
  ctl.put_paperSize(u"Slip");
  EXPECT_TRUE(FormCalls().empty());
  ctl.SetMarginMeasure(0);
  ctl.put_pageWidth(8.5);
  ctl.put_pageHeight(11);
  EXPECT_EQ(FormCalls(), (std::vector<std::string>{"set", "add"}));
  EXPECT_EQ(win.spooler.Forms("P1").at("Slip").width, 8000);
  EXPECT_EQ(win.spooler.Forms("P1").at("Slip").height, 11000);
  EXPECT_EQ(reg.Text(kOwnKey, "page_width"), "850");
}

TEST_F(PaperFormRulesTest, EmptyPaperSizeWithBothSizesStillAppliesAForm) {
  ctl.put_pageWidth(100);
  ctl.put_pageHeight(100);
  EXPECT_TRUE(FormCalls().empty());
  ctl.put_paperSize(u"");
  EXPECT_EQ(FormCalls(), (std::vector<std::string>{"set", "add"}));
}

}  // namespace
}  // namespace vellora
