#include <gtest/gtest.h>

#include "SimRegistry.h"

using namespace plat;

TEST(SimRegistry, KeysValuesEnumerationAndInjectedFailures) {
  sim::SimCodePage cp(936);
  sim::SimRegistry reg(cp);
  {
    UniqueKey k;
    ASSERT_EQ(UniqueKey::Create(reg, kCurrentUser, "Software\\A\\B", k), kErrSuccess);
    ASSERT_EQ(reg.SetValue(k.get(), "v", kRegSz, std::string("\xce\xde\0", 3)), kErrSuccess);
    std::uint32_t type = 0;
    std::string data;
    std::size_t needed = 0;
    EXPECT_EQ(reg.QueryValue(k.get(), "V", type, data, 2, needed), kErrMoreData);
    EXPECT_EQ(needed, 3u);
    EXPECT_EQ(reg.QueryValue(k.get(), "v", type, data, 255, needed), kErrSuccess);
    EXPECT_EQ(data, std::string("\xce\xde\0", 3));
    std::u16string w;
    EXPECT_EQ(reg.QueryValueW(k.get(), u"v", type, w), kErrSuccess);
    EXPECT_EQ(w, u"无");
  }
  EXPECT_EQ(reg.OpenHandles(), 0u);
  UniqueKey a;
  ASSERT_EQ(UniqueKey::Open(reg, kCurrentUser, "software\\a", Access::All, a), kErrSuccess);
  std::string name;
  EXPECT_EQ(reg.EnumKey(a.get(), 0, name, 260), kErrSuccess);
  EXPECT_EQ(name, "B");
  EXPECT_EQ(reg.EnumKey(a.get(), 1, name, 260), kErrNoMoreItems);
  EXPECT_EQ(reg.DeleteKey(kCurrentUser, "Software\\A"), kErrAccessDenied);
  reg.Fail(sim::RegOp::DeleteKey, "\\A\\B", kErrAccessDenied, 1);
  EXPECT_EQ(reg.DeleteKey(a.get(), "B"), kErrAccessDenied);
  EXPECT_EQ(reg.DeleteKey(a.get(), "B"), kErrSuccess);
  EXPECT_FALSE(reg.KeyExists("HKCU\\Software\\A\\B"));
}
