// The fill-in decisions against a dialog that behaves like the page-setup
// dialog's auto radio buttons: a click sets the clicked button and clears
// its partner, a click on a set button leaves it set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageSetupFill.h"

namespace {

using vellora::kIdLandscape;
using vellora::kIdOk;
using vellora::kIdPaperSize;
using vellora::kIdPaperSource;
using vellora::kIdPortrait;

class FakeDialog : public vellora::PageSetupDialogDriver {
 public:
  explicit FakeDialog(bool landscape) : landscape_(landscape) {}

  void SelectComboText(int id, const std::string& text) override {
    log.push_back("select " + std::to_string(id) + " " + text);
  }
  bool IsButtonChecked(int id) override {
    if (id == kIdPortrait) return !landscape_;
    if (id == kIdLandscape) return landscape_;
    ADD_FAILURE() << "check read on " << id;
    return false;
  }
  void ClickButton(int id) override {
    if (confirmed_) ADD_FAILURE() << "click on " << id << " after OK";
    log.push_back("click " + std::to_string(id));
    if (id == kIdPortrait) landscape_ = false;
    if (id == kIdLandscape) landscape_ = true;
    if (id == kIdOk) confirmed_ = true;
  }

  bool landscape() const { return landscape_; }
  bool confirmed() const { return confirmed_; }
  std::vector<std::string> log;

 private:
  bool landscape_;
  bool confirmed_ = false;
};

struct OrientationCase {
  int orientation;
  bool startLandscape;
  std::vector<std::string> clicks;  // in order, OK included
  bool endLandscape;
  int orientationAfter;
};

TEST(PageSetupFill, OrientationTable) {
  const std::string portrait = "click 1056", landscape = "click 1057", ok = "click 1";
  const OrientationCase cases[] = {
      // Leave-alone values click only the button that is already set.
      {0, false, {portrait, ok}, false, 0},
      {0, true, {landscape, ok}, true, 0},
      {3, false, {portrait, ok}, false, 0},
      {3, true, {landscape, ok}, true, 0},
      {-1, false, {portrait, ok}, false, 0},
      {-1, true, {landscape, ok}, true, 0},
      // Portrait wanted.
      {1, false, {ok}, false, 1},
      {1, true, {portrait, ok}, false, 1},
      // Landscape wanted: from portrait the portrait button is clicked
      // first (it stays set), then the landscape button.
      {2, false, {portrait, landscape, ok}, true, 2},
      {2, true, {ok}, true, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("orientation " + std::to_string(c.orientation) +
                 (c.startLandscape ? " on landscape" : " on portrait"));
    FakeDialog dialog(c.startLandscape);
    const int after = vellora::FillPageSetup(dialog, "", "", c.orientation);
    EXPECT_EQ(dialog.log, c.clicks);
    EXPECT_EQ(dialog.landscape(), c.endLandscape);
    EXPECT_TRUE(dialog.confirmed());
    EXPECT_EQ(after, c.orientationAfter);
  }
}

TEST(PageSetupFill, PaperTextsGoFirstAndOkComesLast) {
  FakeDialog dialog(false);
  EXPECT_EQ(vellora::FillPageSetup(dialog, "A4", "Tray 2", 2), 2);
  const std::vector<std::string> expected = {"select 1137 A4", "select 1138 Tray 2", "click 1056",
                                             "click 1057", "click 1"};
  EXPECT_EQ(dialog.log, expected);
}

TEST(PageSetupFill, EmptyPaperTextIsNotSent) {
  FakeDialog sizeOnly(false);
  vellora::FillPageSetup(sizeOnly, "Letter", "", 1);
  EXPECT_EQ(sizeOnly.log, (std::vector<std::string>{"select 1137 Letter", "click 1"}));

  FakeDialog sourceOnly(false);
  vellora::FillPageSetup(sourceOnly, "", "Manual", 1);
  EXPECT_EQ(sourceOnly.log, (std::vector<std::string>{"select 1138 Manual", "click 1"}));
}

}  // namespace
