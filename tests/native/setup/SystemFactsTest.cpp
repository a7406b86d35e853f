#include <gtest/gtest.h>

#include "SimWorld.h"
#include "SystemFacts.h"

namespace setup {
namespace {

TEST(SystemFacts, VersionNames) {
  struct Case {
    std::uint32_t platform, major, minor;
    const char* csd;
    const char16_t* name;
  } cases[] = {
      {0, 3, 11, "", u"Windows3.11"},
      {1, 4, 0, "", u"Windows95"},
      {1, 4, 10, " A ", u"Windows98SE"},
      {1, 4, 10, "A", u"Windows98"},
      {1, 4, 10, "", u"Windows98"},
      {1, 4, 90, "", u"WindowsMillenium"},
      {1, 4, 3, "", u"Unknown Version"},
      {2, 3, 51, "", u"WindowsNT 3.51"},
      {2, 4, 0, "", u"WindowsNT 4.0"},
      {2, 5, 0, "", u"Windows2000"},
      {2, 5, 1, "Service Pack 3", u"WindowsWhistler"},
      {2, 5, 2, "", u"Unknown Version"},
      {2, 6, 1, "", u"Unknown Version"},
      {2, 10, 0, "", u"Unknown Version"},
      {3, 10, 0, "", u"Unknown Platform"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.platform) + "." + std::to_string(c.major) + "." +
                 std::to_string(c.minor));
    EXPECT_EQ(WindowsVersionName({c.platform, c.major, c.minor, 0, c.csd}), c.name);
  }
}

TEST(SystemFacts, LongPath) {
  testing::SimWorld w;
  w.fs.MakeDirectory(u"C:\\Program Files\\Quillmark");
  w.system.LongName(u"C:\\PROGRA~1\\QUILLM~1", u"C:\\Program Files\\Quillmark");
  w.fs.MakeDirectory(u"C:\\PROGRA~1\\QUILLM~1");
  EXPECT_EQ(GetLongPath(w.system, u"C:\\PROGRA~1\\QUILLM~1"), u"C:\\Program Files\\Quillmark");
  EXPECT_EQ(GetLongPath(w.system, u"C:\\NOPE~1"), u"C:\\NOPE~1");
  // Too long for the 260-character buffer: the path is kept.
  std::u16string deep = u"C:\\" + std::u16string(300, u'a');
  w.fs.MakeDirectory(u"C:\\D");
  w.system.LongName(u"C:\\D", deep);
  EXPECT_EQ(GetLongPath(w.system, u"C:\\D"), u"C:\\D");
  w.system.SetLongPathAvailable(false);
  EXPECT_EQ(GetLongPath(w.system, u"C:\\PROGRA~1\\QUILLM~1"), u"C:\\PROGRA~1\\QUILLM~1");
}

}  // namespace
}  // namespace setup
