#include <gtest/gtest.h>

#include <cmath>

#include "DefaultPrinter.h"
#include "PaperForm.h"
#include "StoreFixture.h"

namespace vellora {
namespace {

struct DeviceCase {
  std::uint32_t acp;
  std::optional<std::string> device;  // nullopt: no setting at all
  std::string name;
};

TEST(DefaultPrinter, NameIsTheTextBeforeTheFirstComma) {
  const std::string gbkPrinter = "\xB4\xF2\xD3\xA1\xBB\xFA";  // 打印机 in GBK
  const DeviceCase cases[] = {
      {936, std::nullopt, ""},  // the default ",,," gives the empty name
      {936, "HP LaserJet 4,winspool,Ne00:", "HP LaserJet 4"},
      {936, "Acme, Inc. Printer,winspool,LPT1:", "Acme"},
      {936, "NoCommaAtAll", ""},
      {936, gbkPrinter + ",winspool,Ne01:", gbkPrinter},
      // A lead byte takes the next byte with it, even a comma.
      {936, "\x81,x,winspool", "\x81,x"},
      {1252, "\x81,x,winspool", "\x81"},
      {932, "\x81,x,winspool", "\x81,x"},
      {936, "ab\x81", ""},                             // a pair cut off by the end of the text
      {936, std::string(300, 'p') + ",winspool", ""},  // the comma lies past the 255-byte buffer
  };
  for (const auto& c : cases) {
    test::SimWindows win(c.acp);
    if (c.device) win.profile.WriteString("windows", "device", *c.device);
    EXPECT_EQ(ReadDefaultPrinter(win.profile, win.cp), c.name) << c.device.value_or("(none)");
  }
}

TEST(DefaultPrinter, WritesNameWithTheSpoolerDriver) {
  test::SimWindows win;
  WriteDefaultPrinter(win.profile, "HP LaserJet 4");
  EXPECT_EQ(win.profile.Value("windows", "device"), "HP LaserJet 4,winspool;");
  EXPECT_EQ(ReadDefaultPrinter(win.profile, win.cp), "HP LaserJet 4");
}

TEST(PaperForm, WholeMillimetresAsThousandthsWithTheWholeSheetPrintable) {
  plat::FormInfo want;
  want.name = "Slip";
  want.width = want.right = 210000;
  want.height = want.bottom = 297000;
  EXPECT_EQ(BuildPaperForm("Slip", 210.7, 297), want);

  const std::pair<double, std::int32_t> cases[] = {
      {0.9, 0},          {-5.5, -5000},         {1e12, INT32_MAX},       {-1e12, INT32_MIN},
      {std::nan(""), 0}, {INFINITY, INT32_MAX}, {2147483.9, 2147483000},
  };
  for (const auto& [mm, want] : cases) EXPECT_EQ(ThousandthsOfMillimetre(mm), want) << mm;
}

class ApplyFormTest : public ::testing::Test {
 protected:
  void Apply(double w, double h) {
    ApplyCustomPaperForm(win.spooler, win.profile, win.cp, "Slip", w, h);
  }
  std::vector<std::string> Ops() const {
    std::vector<std::string> ops;
    for (const auto& c : win.spooler.Calls()) ops.push_back(c.op + ":" + c.printer);
    return ops;
  }
  test::SimWindows win;
};

TEST_F(ApplyFormTest, AddsThenUpdatesTheFormOnTheDefaultPrinter) {
  win.spooler.AddPrinter("P1");
  win.spooler.AddPrinter("P2");
  WriteDefaultPrinter(win.profile, "P1");
  Apply(100, 150);
  EXPECT_EQ(Ops(), (std::vector<std::string>{"open:P1", "set:P1", "add:P1", "close:P1"}));
  win.spooler.ClearCalls();
  Apply(120, 150);
  EXPECT_EQ(Ops(), (std::vector<std::string>{"open:P1", "set:P1", "close:P1"}));
  EXPECT_EQ(win.spooler.Forms("P1").at("Slip").width, 120000);
  EXPECT_TRUE(win.spooler.Forms("P2").empty());
  EXPECT_EQ(win.spooler.TakeLastError(), 0u);  // taken and discarded
  EXPECT_EQ(win.spooler.OpenHandles(), 0u);
}

TEST_F(ApplyFormTest, NoFormWithoutAnOpenableDefaultPrinter) {
  Apply(100, 150);  // no default printer: the spooler is not asked
  EXPECT_TRUE(win.spooler.Calls().empty());
  win.spooler.AddPrinter("Locked", false);
  WriteDefaultPrinter(win.profile, "Locked");
  Apply(100, 150);
  EXPECT_EQ(Ops(), (std::vector<std::string>{"open:Locked"}));
  EXPECT_TRUE(win.spooler.Forms("Locked").empty());
  EXPECT_EQ(win.spooler.OpenHandles(), 0u);
}

}  // namespace
}  // namespace vellora
