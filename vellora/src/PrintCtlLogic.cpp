#include "PrintCtlLogic.h"

#include "DefaultPrinter.h"
#include "PageSetupStore.h"
#include "PaperForm.h"
#include "TextConversion.h"

namespace vellora {
namespace {

// What the printer property reads when there is no default printer.
const std::u16string kNoDefaultPrinterText = u"无默认打印机";

}  // namespace

PrintCtlLogic::PrintCtlLogic(Services services) : s_(services) {}

// --- lengths: the control key first, else the browser's inches × 100 ---

double PrintCtlLogic::ReadLength(std::string_view name) const {
  std::string own = ReadStoreText(s_.registry, kControlKeyPath, name);
  if (!own.empty()) return ParseLength(own);
  return ParseLength(ReadStoreText(s_.registry, kBrowserKeyPath, name)) * 100;
}

void PrintCtlLogic::WriteLength(std::string_view name, double v) {
  // A value without a decimal expansion has no length text; the stored one stays.
  if (auto text = FormatHundredths(v, measure_)) WriteStoreText(s_.registry, name, *text);
}

void PrintCtlLogic::ApplyPaperForm() {
  ApplyCustomPaperForm(s_.spooler, s_.profile, s_.codePage, paperSize_, pageWidth_, pageHeight_);
}

double PrintCtlLogic::marginTop() const {
  return ReadLength("margin_top");
}
void PrintCtlLogic::put_marginTop(double v) {
  WriteLength("margin_top", v);
}
double PrintCtlLogic::marginLeft() const {
  return ReadLength("margin_left");
}
void PrintCtlLogic::put_marginLeft(double v) {
  WriteLength("margin_left", v);
}
double PrintCtlLogic::marginBottom() const {
  return ReadLength("margin_bottom");
}
void PrintCtlLogic::put_marginBottom(double v) {
  WriteLength("margin_bottom", v);
}
double PrintCtlLogic::marginRight() const {
  return ReadLength("margin_right");
}
void PrintCtlLogic::put_marginRight(double v) {
  WriteLength("margin_right", v);
}
double PrintCtlLogic::pageWidth() const {
  return ReadLength("page_width");
}
double PrintCtlLogic::pageHeight() const {
  return ReadLength("page_height");
}

void PrintCtlLogic::put_pageWidth(double v) {
  pageWidth_ = v;
  if (!paperSize_.empty() && pageHeight_ != 0) ApplyPaperForm();
  WriteLength("page_width", v);
}

void PrintCtlLogic::put_pageHeight(double v) {
  pageHeight_ = v;
  if (!paperSize_.empty() && pageWidth_ != 0) ApplyPaperForm();
  WriteLength("page_height", v);
}

// --- free texts: the control key only ---

OptText PrintCtlLogic::ReadText(std::string_view name) const {
  return FromAnsi(s_.codePage, ReadStoreText(s_.registry, kControlKeyPath, name));
}

void PrintCtlLogic::WriteText(std::string_view name, const OptText& v) {
  WriteStoreText(s_.registry, name, ToAnsi(s_.codePage, v));
}

OptText PrintCtlLogic::header() const {
  return ReadText("header");
}
void PrintCtlLogic::put_header(const OptText& v) {
  WriteText("header", v);
}
OptText PrintCtlLogic::footer() const {
  return ReadText("footer");
}
void PrintCtlLogic::put_footer(const OptText& v) {
  WriteText("footer", v);
}
OptText PrintCtlLogic::zoomValue() const {
  return ReadText("zoom");
}
void PrintCtlLogic::put_zoomValue(const OptText& v) {
  WriteText("zoom", v);
}

// --- the default printer ---

OptText PrintCtlLogic::printer() const {
  std::string name = ReadDefaultPrinter(s_.profile, s_.codePage);
  if (name.empty()) return kNoDefaultPrinterText;
  return FromAnsi(s_.codePage, name);
}

void PrintCtlLogic::put_printer(const OptText& v) {
  std::string name = ToAnsi(s_.codePage, v);
  if (!name.empty()) WriteDefaultPrinter(s_.profile, name);
}

OptText PrintCtlLogic::defaultPrinterName() const {
  return FromAnsi(s_.codePage, ReadDefaultPrinter(s_.profile, s_.codePage));
}
void PrintCtlLogic::put_defaultPrinterName(const OptText& v) {
  put_printer(v);
}

// --- integers and booleans: the control key only, 0 / false when missing ---

std::int32_t PrintCtlLogic::ReadInteger(std::string_view name) const {
  return ParseInteger(ReadStoreText(s_.registry, kControlKeyPath, name));
}
void PrintCtlLogic::WriteInteger(std::string_view name, std::int32_t v) {
  WriteStoreText(s_.registry, name, FormatInteger(v));
}
bool PrintCtlLogic::ReadBoolean(std::string_view name) const {
  return ParseBoolean(ReadStoreText(s_.registry, kControlKeyPath, name));
}
void PrintCtlLogic::WriteBoolean(std::string_view name, bool v) {
  WriteStoreText(s_.registry, name, FormatBoolean(v));
}

std::int32_t PrintCtlLogic::copies() const {
  return ReadInteger("copies");
}
void PrintCtlLogic::put_copies(std::int32_t v) {
  WriteInteger("copies", v);
}
std::int32_t PrintCtlLogic::pageFrom() const {
  return ReadInteger("pagefrom");
}
void PrintCtlLogic::put_pageFrom(std::int32_t v) {
  WriteInteger("pagefrom", v);
}
std::int32_t PrintCtlLogic::pageTo() const {
  return ReadInteger("pageto");
}
void PrintCtlLogic::put_pageTo(std::int32_t v) {
  WriteInteger("pageto", v);
}
bool PrintCtlLogic::selectedPages() const {
  return ReadBoolean("selectedpages");
}
void PrintCtlLogic::put_selectedPages(bool v) {
  WriteBoolean("selectedpages", v);
}
bool PrintCtlLogic::currentPage() const {
  return ReadBoolean("currentpage");
}
void PrintCtlLogic::put_currentPage(bool v) {
  WriteBoolean("currentpage", v);
}

// --- object fields with the browser's page setup as fallback ---

std::int32_t PrintCtlLogic::orientation() const {
  if (orientation_ >= 0) return orientation_;
  return ParseInteger(ReadStoreText(s_.registry, kBrowserKeyPath, "orientation"));
}
void PrintCtlLogic::put_orientation(std::int32_t v) {
  orientation_ = v;
}

OptText PrintCtlLogic::paperSize() const {
  if (!paperSize_.empty()) return FromAnsi(s_.codePage, paperSize_);
  return FromAnsi(s_.codePage, ReadStoreText(s_.registry, kBrowserKeyPath, "paper_size"));
}

void PrintCtlLogic::put_paperSize(const OptText& v) {
  paperSize_ = ToAnsi(s_.codePage, v);
  if (pageHeight_ != 0 && pageWidth_ != 0) ApplyPaperForm();
}

OptText PrintCtlLogic::paperSource() const {
  if (!paperSource_.empty()) return FromAnsi(s_.codePage, paperSource_);
  return FromAnsi(s_.codePage, ReadStoreText(s_.registry, kBrowserKeyPath, "paper_source"));
}
void PrintCtlLogic::put_paperSource(const OptText& v) {
  paperSource_ = ToAnsi(s_.codePage, v);
}

// --- preview window size: -1 until set to 1 or more ---

std::int32_t PrintCtlLogic::prevWidth() const {
  return prevWidth_ >= 1 ? prevWidth_ : -1;
}
void PrintCtlLogic::put_prevWidth(std::int32_t v) {
  prevWidth_ = v;
}
std::int32_t PrintCtlLogic::prevHeight() const {
  return prevHeight_ >= 1 ? prevHeight_ : -1;
}
void PrintCtlLogic::put_prevHeight(std::int32_t v) {
  prevHeight_ = v;
}

void PrintCtlLogic::SetMarginMeasure(std::int32_t val) {
  measure_ = val;
}
void PrintCtlLogic::InitPrint() {
  ClearStore(s_.registry);
}

}  // namespace vellora
