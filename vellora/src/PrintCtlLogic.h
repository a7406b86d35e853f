#pragma once
// The member logic of the print control, free of COM: every IPrintCtl
// property and method as plain C++ over the platform ports. The COM object
// forwards to one instance of this class.
//
// Strings cross this class as UTF-16 (std::optional: nullopt stands for a
// null BSTR, both given and returned); inside they are 8-bit text in the
// thread's ANSI code page.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/Spooler.h"

namespace vellora {

struct Services {
  plat::Registry& registry;
  plat::Profile& profile;
  plat::Spooler& spooler;
  plat::CodePage& codePage;
};

using OptText = std::optional<std::u16string>;

class PrintCtlLogic {
 public:
  explicit PrintCtlLogic(Services services);

  // Lengths: puts in the caller's unit (see SetMarginMeasure), gets in
  // hundredths of an inch.
  double marginTop() const;
  void put_marginTop(double v);
  double marginLeft() const;
  void put_marginLeft(double v);
  double marginBottom() const;
  void put_marginBottom(double v);
  double marginRight() const;
  void put_marginRight(double v);
  double pageWidth() const;
  void put_pageWidth(double v);
  double pageHeight() const;
  void put_pageHeight(double v);

  OptText header() const;
  void put_header(const OptText& v);
  OptText footer() const;
  void put_footer(const OptText& v);
  OptText zoomValue() const;
  void put_zoomValue(const OptText& v);

  OptText printer() const;
  void put_printer(const OptText& v);
  OptText defaultPrinterName() const;
  void put_defaultPrinterName(const OptText& v);

  std::int32_t copies() const;
  void put_copies(std::int32_t v);
  std::int32_t pageFrom() const;
  void put_pageFrom(std::int32_t v);
  std::int32_t pageTo() const;
  void put_pageTo(std::int32_t v);

  bool selectedPages() const;
  void put_selectedPages(bool v);
  bool currentPage() const;
  void put_currentPage(bool v);

  std::int32_t orientation() const;
  void put_orientation(std::int32_t v);
  OptText paperSize() const;
  void put_paperSize(const OptText& v);
  OptText paperSource() const;
  void put_paperSource(const OptText& v);

  std::int32_t prevWidth() const;
  void put_prevWidth(std::int32_t v);
  std::int32_t prevHeight() const;
  void put_prevHeight(std::int32_t v);

  void SetMarginMeasure(std::int32_t val);
  void InitPrint();

  // Raw object fields, for the print and preview commands.
  const std::string& paperSizeText() const { return paperSize_; }
  const std::string& paperSourceText() const { return paperSource_; }
  std::int32_t orientationField() const { return orientation_; }
  void setOrientationField(std::int32_t v) { orientation_ = v; }
  std::int32_t prevWidthField() const { return prevWidth_; }
  std::int32_t prevHeightField() const { return prevHeight_; }
  Services& services() { return s_; }

 private:
  double ReadLength(std::string_view name) const;
  void WriteLength(std::string_view name, double v);
  OptText ReadText(std::string_view name) const;
  void WriteText(std::string_view name, const OptText& v);
  std::int32_t ReadInteger(std::string_view name) const;
  void WriteInteger(std::string_view name, std::int32_t v);
  bool ReadBoolean(std::string_view name) const;
  void WriteBoolean(std::string_view name, bool v);
  // The paper size text and both page size fields, as a form on the
  // default printer.
  void ApplyPaperForm();

  Services s_;
  std::string paperSize_;
  std::string paperSource_;
  std::int32_t orientation_ = -1;
  double pageHeight_ = 0;
  double pageWidth_ = 0;
  std::int32_t measure_ = 1;
  std::int32_t prevHeight_ = 0;
  std::int32_t prevWidth_ = 0;
};

}  // namespace vellora
