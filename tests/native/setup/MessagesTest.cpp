#include <gtest/gtest.h>

#include "Errors.h"
#include "Messages.h"
#include "SimWorld.h"

namespace setup {
namespace {

using testing::SimWorld;
using testing::Utf16Le;

TEST(Messages, RecordBytes) {
  EXPECT_EQ(BuildErrorRecord(1549, u"Word 正在运行"),
            Utf16Le(u"ERRORID=1549\r\nERRORTEXT=Word 正在运行\r\n"));
  EXPECT_EQ(BuildErrorRecord(-5, u""), Utf16Le(u"ERRORID=-5\r\n"));
  EXPECT_EQ(BuildErrorRecord(1, u"a\r\nb"), Utf16Le(u"ERRORID=1\r\nERRORTEXT=a\r\nb\r\n"));
}

TEST(Messages, BoxCaptionAndRecordOfTheMessageText) {
  SimWorld w;
  TextTable t(w.cp);
  t.SetTextPrefix("GBC_");
  // Without a table the caption is the built-in one.
  std::u16string text = t.FetchText(1549, u"");
  EXPECT_EQ(ShowMessageText(w.ports, t, text, 0x40), 1);
  ASSERT_EQ(w.dialogs.Boxes().size(), 1u);
  EXPECT_EQ(w.dialogs.Boxes()[0].caption, u"提示信息");
  EXPECT_EQ(w.dialogs.Boxes()[0].flags, 0x40u);
  EXPECT_EQ(w.fs.Bytes(u"C:\\src\\TWError.txt"), Utf16Le(u"ERRORID=1549\r\n"));

  t.LoadFromBytes(Utf16Le(u"GBC_00001044=标题\r\nGBC_0000060D=Word is running"));
  text = t.FetchText(1549, u"");
  w.dialogs.Answer(7);
  EXPECT_EQ(ShowMessageText(w.ports, t, text, 0x44), 7);
  EXPECT_EQ(w.dialogs.Boxes()[1].caption, u"标题");
  EXPECT_EQ(w.dialogs.Boxes()[1].text, u"Word is running");
  // Only the last box's record remains, naming the message, not the caption.
  EXPECT_EQ(w.fs.Bytes(u"TWError.txt"), Utf16Le(u"ERRORID=1549\r\nERRORTEXT=Word is running\r\n"));
  EXPECT_EQ(t.LastTextId(), 4164);
}

TEST(Messages, UnwritableRecordRaisesAfterTheBox) {
  SimWorld w;
  TextTable t(w.cp);
  w.fs.SetReadOnly(u"C:\\src");
  EXPECT_THROW(ShowMessageText(w.ports, t, u"x", 0), PlatformError);
  EXPECT_EQ(w.dialogs.Boxes().size(), 1u);
}

}  // namespace
}  // namespace setup
