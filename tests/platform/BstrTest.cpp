#include <gtest/gtest.h>

#include "platform/com/Bstr.h"

TEST(Bstr, ShiftJisRoundTripIsByteExact) {
  const CString text = "漢字テキスト";
  BstrPtr bstr(BstrFromCP932(text.str()));
  ASSERT_TRUE(bstr);
  EXPECT_EQ(SysStringLen(bstr.get()), 6u);
  EXPECT_EQ(SysStringByteLen(bstr.get()), 12u);
  EXPECT_EQ(bstr.get()[6], 0);
  EXPECT_EQ(BstrView(bstr.get()), u"漢字テキスト");
  EXPECT_EQ(CP932FromBstr(bstr.get()).str(), text.str());
}

TEST(Bstr, LengthComesFromThePrefixNotTheTerminator) {
  const char16_t withNul[] = {u'a', 0, u'b'};
  BstrPtr bstr(SysAllocStringLen(withNul, 3));
  EXPECT_EQ(SysStringLen(bstr.get()), 3u);
  EXPECT_EQ(BstrView(bstr.get()), std::u16string_view(withNul, 3));

  BstrPtr zeroed(SysAllocStringLen(nullptr, 4));
  EXPECT_EQ(BstrView(zeroed.get()), std::u16string(4, u'\0'));
}

TEST(Bstr, NullIsTheEmptyString) {
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(CP932FromBstr(nullptr), "");
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  SysFreeString(nullptr);

  BSTR text = SysAllocString(u"old");
  ASSERT_TRUE(SysReAllocString(&text, u"newer"));
  EXPECT_EQ(BstrView(text), u"newer");
  SysFreeString(text);
}
