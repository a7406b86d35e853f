#include <gtest/gtest.h>

#include <string>

#include "SimCodePage.h"
#include "SimRegistry.h"
#include "TemplateAddress.h"

namespace {

const std::string kKeyPath = "HKCR\\CLSID\\{CA03A5A8-9890-49BE-BA4A-8C524EB06441}\\InprocServer32";

struct TemplateAddress : ::testing::Test {
  sim::SimCodePage cp{1252};
  sim::SimRegistry reg{cp};
};

TEST_F(TemplateAddress, RegisteredPath) {
  reg.PutText(kKeyPath, "", "C:\\Tools\\vellora.dll");
  reg.PutText(kKeyPath, "ThreadingModel", "Apartment");
  EXPECT_EQ(vellora::GetRegisteredModulePath(reg), "C:\\Tools\\vellora.dll");
  EXPECT_EQ(vellora::RegisteredTemplateAddress(reg, cp), u"res://C:\\Tools\\vellora.dll/PT.HTM");
  EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST(TemplateAddressUnreadable, GivesTheBareAddress) {
  struct Case {
    const char* what;
    void (*arrange)(sim::SimRegistry&);
  };
  const Case cases[] = {
      {"class not registered", [](sim::SimRegistry&) {}},
      {"key without default value",
       [](sim::SimRegistry& r) { r.PutText(kKeyPath, "ThreadingModel", "Apartment"); }},
      {"default value not a string", [](sim::SimRegistry& r) { r.PutDword(kKeyPath, "", 7); }},
      {"read fails",
       [](sim::SimRegistry& r) {
         r.PutText(kKeyPath, "", "C:\\x.dll");
         r.Fail(sim::RegOp::Query, "InprocServer32", plat::kErrAccessDenied);
       }},
      // 254 characters and the terminator fill the buffer; one more does not fit.
      {"path longer than the buffer",
       [](sim::SimRegistry& r) { r.PutText(kKeyPath, "", "C:\\" + std::string(252, 'a')); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimCodePage cp(1252);
    sim::SimRegistry r(cp);
    c.arrange(r);
    EXPECT_EQ(vellora::GetRegisteredModulePath(r), "");
    EXPECT_EQ(vellora::RegisteredTemplateAddress(r, cp), u"res:///PT.HTM");
    EXPECT_EQ(r.OpenHandles(), 0u);
  }
}

TEST_F(TemplateAddress, LongestPathThatFits) {
  const std::string path = "C:\\" + std::string(251, 'a');  // 254 characters
  reg.PutText(kKeyPath, "", path);
  EXPECT_EQ(vellora::GetRegisteredModulePath(reg), path);
}

TEST_F(TemplateAddress, NonAsciiPathInCodePage936) {
  cp.SetThreadAnsiCodePage(936);
  const std::u16string widePath = u"D:\\签名软件\\vellora.dll";
  reg.PutTextW(kKeyPath, "", widePath);
  // The path travels as GBK bytes and comes back as the same characters.
  const std::string ansi = vellora::GetRegisteredModulePath(reg);
  EXPECT_EQ(ansi, "D:\\\xC7\xA9\xC3\xFB\xC8\xED\xBC\xFE\\vellora.dll");
  EXPECT_EQ(vellora::RegisteredTemplateAddress(reg, cp), u"res://" + widePath + u"/PT.HTM");
}

}  // namespace
